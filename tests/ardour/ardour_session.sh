#!/bin/bash
# Proves the VST3 and LV2 plug-ins in Ardour, run headless by Debian's Lua
# session runner (ardour7-lua) on its dummy audio backend: for each format a
# session with the plug-in on a MIDI track is made, played, saved, and opened
# again in a fresh run (zr9_session.lua). The plug-in reaches the built-in
# emulator (ZR9_EMULATOR=1), which logs what the instrument is sent.
#   ardour_session.sh VST3_BUNDLE LV2_BUNDLE
# Exits 77 (skipped) where Ardour is not installed.
set -uo pipefail
vst3_bundle=$1
lv2_bundle=$2
if ! command -v ardour7-lua >/dev/null; then
    echo "SKIPPED: ardour7-lua is not installed (Debian package ardour)"
    exit 77
fi
script_dir=$(cd "$(dirname "$0")" && pwd)
for bundle in "$vst3_bundle" "$lv2_bundle"; do
    if [ ! -d "$bundle" ]; then echo "missing plug-in bundle $bundle"; exit 1; fi
done

work=$(mktemp -d /tmp/zr9-ardour.XXXXXX)
trap 'rm -rf "$work"' EXIT
# A private home: Ardour's configuration, its plug-in caches and our library folder stay in it.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_DATA_HOME=$work/data
mkdir -p "$HOME/.lv2" "$HOME/.vst3" "$XDG_CONFIG_HOME/ardour7"
cat > "$XDG_CONFIG_HOME/ardour7/config" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<Ardour>
  <Config>
    <Option name="hide-dummy-backend" value="0"/>
  </Config>
</Ardour>
XML
cp -r "$lv2_bundle" "$HOME/.lv2/"
cp -r "$vst3_bundle" "$HOME/.vst3/"
# Ardour takes a VST3 from its scanner's cache only when the cache is newer than the bundle, to the
# second: a copy made in the same second as the scan was left unlisted. The copies are dated back.
find "$HOME/.lv2" "$HOME/.vst3" -exec touch -h -d '1 minute ago' {} +
export ZR9_EMULATOR=1
unset DISPLAY

run_lua() {
    timeout 120 ardour7-lua "$@" 2>&1 | grep -v -e '^\[\(INFO\|WARNING\)\]' -e '^Ignored automation data' -e '^Falling back to'
}

# Ardour loads a VST3 only once it has listed the bundle and its scanner has cached it.
echo 'AudioEngine:set_backend ("None (Dummy)", "", "")' > "$work/list.lua"
run_lua "$work/list.lua" >/dev/null
LD_LIBRARY_PATH=/usr/lib/ardour7 timeout 60 /usr/lib/ardour7/ardour-vst3-scanner -f "$HOME/.vst3/$(basename "$vst3_bundle")" >/dev/null 2>&1

failed=0
for format in LV2 VST3; do
    log=$work/emulator-$format.log
    : > "$log"
    export ZR9_EMULATOR_LOG=$log
    for phase in save reload; do
        out=$(run_lua "$script_dir/zr9_session.lua" "$phase" "$work/session-$format" zr9 "Halvorn ZR9" "$format" "$log")
        echo "$out" | grep -v '^Butler'
        if ! echo "$out" | grep -q '^PASSED$' || echo "$out" | grep -q 'FAIL'; then
            failed=1
            break
        fi
    done
done
[ $failed -eq 0 ] && echo "Ardour: both formats saved and restored as they were"
exit $failed
