# Sourced by the window tests: a private Xvfb display, the program's output kept
# for a failure report, and a clean-up at exit that ends the program and the
# display and removes what the test made. The test sets $test_name first, may
# add files and folders to $scratch, and keeps the program's process id in $apid.
xlog=$(mktemp)
applog=$(mktemp)
xpid=""
apid=""
scratch=("$xlog" "$applog")

cleanup() {
    [ -n "$apid" ] && kill -KILL "$apid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    rm -rf "${scratch[@]}"
}
trap cleanup EXIT
fail() { echo "$test_name: $*"; echo "--- program output:"; cat "$applog"; exit 1; }

# Starts Xvfb on the first free display number from FIRST to LAST and exports DISPLAY.
start_display() {
    local n
    for n in $(seq "$1" "$2"); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break; done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$xlog" 2>&1 &
    xpid=$!
    export DISPLAY=":$n"
    for i in $(seq 1 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
    xwininfo -root >/dev/null 2>&1 || fail "Xvfb did not start"
}
