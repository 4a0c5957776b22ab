#!/usr/bin/env bash
# Starts the stand-alone program on a private X display, chooses the first item
# of the ARRANGE menu (which opens the save dialog) and then closes the dialog
# with Escape, moving the mouse no more after each step. Each time, the part of
# the main window that the closed menu or dialog uncovered must show the page
# again, as it was before the menu opened, not the closed window's picture.
set -u
program=$1
test_name="uncovered repaint"
. "$(dirname "$0")/private-display.sh"
docs=$(mktemp -d)
shots=$(mktemp -d)
scratch+=("$docs" "$shots")
# ZR9_KEEP_SHOTS=FOLDER keeps the pictures taken, to look at after a failure.
trap '[ -n "${ZR9_KEEP_SHOTS:-}" ] && cp "$shots"/*.xwd "$ZR9_KEEP_SHOTS"/ 2>/dev/null; cleanup' EXIT

for tool in xdotool xwd perl; do command -v $tool >/dev/null || fail "$tool is missing"; done
start_display 121 170

"$program" --emulator --documents "$docs" >"$applog" 2>&1 &
apid=$!
window=""
for i in $(seq 1 300); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Halvorn ZR9": \("Halvorn/ { print $1; exit }')
    [ -n "$window" ] && xwininfo -id "$window" 2>/dev/null | grep -q IsViewable && break
    window=""
    kill -0 "$apid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$window" ] || fail "the main window was never shown"
xwininfo -id "$window" | grep -q 'Width: 1024' || fail "the main window is not 1024 pixels wide; the places below assume it"
sleep 2 # the port scan finds the emulator and the mixer fills

# Counts the pixels of columns X0..X1 and rows Y0..Y1 of the first XWD picture (3 or 4 bytes a pixel) of the main window
# that the second picture shows nowhere within one pixel of the same place (a colour channel more
# than 48 apart): the page painted again in part may place a text a pixel apart, a closed window's
# picture left on the page differs everywhere.
differing_pixels() {
    perl -e '
        my ($a, $b, $x0, $y0, $x1, $y1) = @ARGV;
        sub picture { my ($file) = @_; open my $in, "<:raw", $file or die "no picture: $file\n"; local $/; my $d = <$in>;
                      my ($header, $bits, $perLine, $ncolours) = map { unpack ("N", substr ($d, $_, 4)) } (0, 44, 48, 76);
                      my $start = $header + 12 * $ncolours; my $step = $bits / 8;
                      return sub { my ($x, $y) = @_; return unpack ("C3", substr ($d, $start + $y * $perLine + $step * $x, 3)); }; }
        my $pa = picture ($a); my $pb = picture ($b);
        my $count = 0;
        for my $y ($y0 .. $y1) { for my $x ($x0 .. $x1) {
            my @p = $pa->($x, $y); my $near = 0;
            for my $dy (-1 .. 1) { for my $dx (-1 .. 1) {
                my @q = $pb->($x + $dx, $y + $dy);
                $near = 1 if abs ($p[0] - $q[0]) <= 48 && abs ($p[1] - $q[1]) <= 48 && abs ($p[2] - $q[2]) <= 48; } }
            ++$count unless $near; } }
        print "$count\n";
    ' "$@"
}
# Waits up to 10 s until a window of the given name is there (or, with "gone", is not).
wait_for() {
    for i in $(seq 1 100); do
        if xwininfo -root -tree | grep -q "\"$1\""; then [ "${2:-}" != gone ] && return 0; else [ "${2:-}" = gone ] && return 0; fi
        sleep 0.1
    done
    return 1
}
picture() { xwd -silent -id "$window" -out "$1" || fail "could not take a picture of the window"; }

# The pointer rests where it will rest after the menu, so any hover light is the same in every picture.
xdotool mousemove 640 70
sleep 0.5
picture "$shots/before.xwd"

# ARRANGE, then its first item; the item opens the save dialog below the menu's place.
xdotool mousemove 598 33 click 1
wait_for menu || fail "the ARRANGE menu did not open"
xdotool mousemove 640 70
sleep 0.5
xdotool click 1
wait_for "Save Arrangement" || fail "the first item did not open the save dialog"
sleep 1 # time for the paints; a stale area would stay as long as the mouse rests
picture "$shots/menu-closed.xwd"
# The menu covered x 556 to 800, y 47 to 138 of the window; the dialog starts at y 134.
left=$(differing_pixels "$shots/before.xwd" "$shots/menu-closed.xwd" 560 50 795 125)
[ "$left" = 0 ] || fail "the area the chosen menu uncovered still shows the menu ($left pixels differ)"
echo "uncovered repaint: the menu's area shows the page again after its item was chosen"

xdotool key Escape
wait_for "Save Arrangement" gone || fail "Escape did not close the save dialog"
sleep 1
picture "$shots/dialog-closed.xwd"
# The dialog covered x 212 to 811, y 134 to 633; the mixer's names and knobs lie in rows 140 to 330.
left=$(differing_pixels "$shots/before.xwd" "$shots/dialog-closed.xwd" 215 140 805 330)
[ "$left" = 0 ] || fail "the area the dialog closed with Escape uncovered still shows the dialog ($left pixels differ)"
echo "uncovered repaint: the dialog's area shows the page again after Escape closed it"

kill -TERM "$apid"
for i in $(seq 1 100); do kill -0 "$apid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$apid" 2>/dev/null && fail "still running 10 s after SIGTERM"
wait "$apid"
status=$?
apid=""
[ "$status" = 0 ] || fail "exit status $status after SIGTERM"
