#!/usr/bin/env bash
# Starts the stand-alone program on a private X display with a fresh library
# folder, waits until its window is shown, asks it to stop with SIGTERM, and
# checks that it ended cleanly and left its settings file behind.
set -u
program=$1
test_name="smoke test"
. "$(dirname "$0")/private-display.sh"
docs=$(mktemp -d)
scratch+=("$docs")
start_display 70 120

# Prints the geometry of the first window named "Halvorn ZR9" that can be seen, or nothing.
viewable_window_geometry() {
    xwininfo -root -tree 2>/dev/null | grep '"Halvorn ZR9"' | while read -r id rest; do
        if xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
            echo "$rest" | grep -oE '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' | head -n 1
            break
        fi
    done
}

# Starts the program with the given options, waits for its window, stops it
# with SIGTERM and checks that it ended cleanly. Leaves the window's geometry in $geometry.
run_and_stop() {
    "$program" --documents "$docs" "$@" >"$applog" 2>&1 &
    apid=$!
    # A window counts once it can be seen; the tree is read again each time, so a window
    # that is replaced while the program starts is never mistaken for the one it shows.
    geometry=""
    for i in $(seq 1 300); do
        geometry=$(viewable_window_geometry)
        [ -n "$geometry" ] && break
        kill -0 "$apid" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$geometry" ] || fail "the window \"Halvorn ZR9\" was never shown"
    echo "smoke test: window shown ($geometry)"
    sleep 1 # time for the port scan to find the emulator

    kill -TERM "$apid"
    status=""
    for i in $(seq 1 100); do
        if ! kill -0 "$apid" 2>/dev/null; then wait "$apid"; status=$?; break; fi
        sleep 0.1
    done
    [ -n "$status" ] || fail "still running 10 s after SIGTERM"
    apid=""
    [ "$status" = 0 ] || fail "exit status $status after SIGTERM"
}

settings="$docs/Library/ZR9/halvipZR9.dat"
entry() { awk -v want="$1" 'BEGIN { RS = "[|][\\^]" } { sub(/^[\\^][|]/, ""); if (NR - 1 == want) print }' "$settings"; }

run_and_stop --emulator
[ -f "$settings" ] || fail "no settings file at $settings"
[ "$(entry 10)" = "333" ] || fail "entry 10 is '$(entry 10)', not 333"
[ "$(entry 17)" = "402" ] || fail "entry 17 is '$(entry 17)', not 402"
# Without MIDI devices the emulator is port 1 on both sides, and the scan remembers it.
[ "$(entry 1)" = "1" ] && [ "$(entry 2)" = "1" ] || fail "the emulator's ports were not remembered (entries 1, 2: '$(entry 1)', '$(entry 2)')"
echo "smoke test: settings written at SIGTERM, entry 10 = 333, entry 17 = 402, the emulator found on ports 1 and 1"

# The next start opens at the size the window had, when it fits the screen.
sed -i 's/\^|1024|\^\^|768|\^/^|1100|^^|700|^/' "$settings"
run_and_stop
case "$geometry" in
    1100x700+*) echo "smoke test: the window opened at the saved size" ;;
    *) fail "the window opened at $geometry, not at the saved 1100x700" ;;
esac

# The desktop's scale: Xft.dpi 120 asks for 125 %. The saved 1100 x 700 scaled units no longer fit
# the 1024 x 819 units the screen holds at that scale, so the window opens at 1024 x 768 units:
# 1280 x 960 real pixels.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	120
" || fail "could not set the X resources"
run_and_stop
case "$geometry" in
    1280x960+*) echo "smoke test: at Xft.dpi 120 the window opened at 125 % ($geometry)" ;;
    *) fail "at Xft.dpi 120 the window opened at $geometry, not at 1280x960" ;;
esac

# The program's own choice (setting 30, in percent) wins over the desktop's.
perl -0pi -e 'my $i = 0; s/\^\|([^|]*)\|\^/$i++ == 30 ? "^|100|^" : $&/ge' "$settings"
[ "$(entry 30)" = "100" ] || fail "could not set entry 30 (it reads '$(entry 30)')"
run_and_stop
case "$geometry" in
    1024x768+*) echo "smoke test: the scale chosen in the program (100 %) was kept ($geometry)" ;;
    *) fail "with 100 % chosen the window opened at $geometry, not at 1024x768" ;;
esac
[ "$(entry 30)" = "100" ] || fail "the chosen scale was not kept (entry 30: '$(entry 30)')"
