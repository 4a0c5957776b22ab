#!/usr/bin/env bash
# Reads the LV2 bundle with Debian's lv2info: the plug-in must be found and
# nothing may be warned about (labels, author, presets).
set -euo pipefail
bundle=$(realpath "$1")
uri=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
if ! LV2_PATH="$(dirname "$bundle")" lv2info "$uri" >"$out" 2>"$err"; then
    cat "$out" "$err"
    echo "lv2info: could not read $uri"
    exit 1
fi
if [ -s "$err" ] || grep -qi "warn" "$out"; then
    cat "$err"
    grep -i "warn" "$out" || true
    echo "lv2info: warnings about $uri"
    exit 1
fi
presets=$(awk '/Presets:/ { inside = 1 } inside && NF > 0 && !/:/ { n++ } END { print n + 0 }' "$out")
grep -m1 "Name:" "$out"
grep -m1 "Author Email:" "$out"
echo "lv2info: ${presets} presets, no warnings"
