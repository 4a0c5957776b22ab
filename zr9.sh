#!/usr/bin/env bash
# Sets up, builds, runs and tests the ZR9 editor on Debian 12.
#   ./zr9.sh run [PROGRAM OPTIONS]   install what is missing, build, start the program
#   ./zr9.sh test                    install what is missing, build, run every test
#   ./zr9.sh bench                   build and run the benchmarks
#   ./zr9.sh fuzz [SECONDS]          build and run every fuzz target, two at a time, in a run of SECONDS in all
#                                    (default 600; the heaviest targets get more time; needs clang)
#   ./zr9.sh check                   check every #include against src/layers.txt
#   ./zr9.sh sanitize                the tests under Address/UndefinedBehavior and Thread sanitizers
set -euo pipefail
cd "$(dirname "$0")"

BUILD=${ZR9_BUILD_DIR:-build}
PACKAGES=(build-essential cmake ninja-build pkg-config juce-modules-source
          libgtest-dev libgmock-dev libbenchmark-dev
          xvfb x11-utils x11-apps xdotool xauth fonts-dejavu-core lilv-utils libx11-dev
          clang libclang-rt-14-dev ccache)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}" \
        || { $sudo apt-get update -q && $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"; }
}

# A compiler cache makes rebuilds and the sanitizer builds cheaper where one is installed.
# Paths are hashed relative to this folder, so every build folder here shares
# the cache: the sanitizer builds take the framework, the generators and most
# tests from the plain build. The precompiled headers need the sloppiness.
launcher() { command -v ccache >/dev/null && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"; true; }
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}

# Configures a build folder (again, when its options change): folder, then cmake options.
configure_in() {
    local dir=$1
    shift
    if [ -f "$dir/build.ninja" ]; then
        cmake "$dir" "$@" >/dev/null
    else
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release $(launcher) "$@"
    fi
}

# The plain build: the program, the plug-ins and the tests; warnings in our own code fail it.
configure() { configure_in "$BUILD" -DZR9_WARNINGS_AS_ERRORS=ON "$@"; }

build() { cmake --build "$BUILD" --parallel 2 "$@"; }

program() { echo "$BUILD/ZR9_artefacts/Release/Standalone/ZR9"; }

# The test program alone, with our own code instrumented by the given sanitizers.
sanitized_tests() {
    local dir=$1 sanitizers=$2
    configure_in "$dir" -DZR9_SANITIZE="$sanitizers" -DZR9_BUILD_BENCHMARKS=OFF -DZR9_WARNINGS_AS_ERRORS=ON
    cmake --build "$dir" --parallel 2 --target zr9_tests
}

# Tests where several threads meet: connection races, bank snapshots, the emulator's reply thread, the sending thread.
THREADED_TESTS='Connection*:BankSnapshot*:ThreadsTogether*:*EndToEnd*:Emulator*:MidiOutControl*:DispatchFixture*:HostMidi*:ProcessorParameters*:BulkReceive*'

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}

case "${1:-}" in
    run)
        shift
        install_missing
        configure
        build --target ZR9_Standalone
        exec "$(program)" "$@"
        ;;
    test)
        install_missing
        ./tools/check/check-includes
        configure -DZR9_BUILD_BENCHMARKS=OFF
        build
        ctest --test-dir "$BUILD" --output-on-failure --parallel 2
        ./tests/fuzz/run.sh 10
        ;;
    bench)
        install_missing
        configure -DZR9_BUILD_BENCHMARKS=ON
        build
        for bench in "$BUILD"/bench/zr9_bench_*; do
            "$bench" "${@:2}"
        done
        ;;
    fuzz)
        install_missing
        ./tests/fuzz/run.sh --total "${2:-600}"
        ;;
    check)
        ./tools/check/check-includes
        ;;
    sanitize)
        install_missing
        sanitized_tests "${ZR9_BUILD_DIR:-build}-asan" address,undefined
        "${ZR9_BUILD_DIR:-build}-asan/tests/zr9_tests" --gtest_brief=1
        # The tests that run the input, sending and message threads together, under the thread sanitizer.
        sanitized_tests "${ZR9_BUILD_DIR:-build}-tsan" thread
        "${ZR9_BUILD_DIR:-build}-tsan/tests/zr9_tests" --gtest_brief=1 --gtest_filter="$THREADED_TESTS"
        ;;
    *)
        sed -n '2,7p' "$0"
        exit 2
        ;;
esac
