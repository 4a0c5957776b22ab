#!/usr/bin/env bash
# Sets up, builds, runs and tests the ZR9 editor on Debian 12.
#   ./zr9.sh run [PROGRAM OPTIONS]   install what is missing, build, start the program
#   ./zr9.sh test                    install what is missing, build, run every test
#   ./zr9.sh bench                   build and run the benchmarks
#   ./zr9.sh fuzz [SECONDS]          build and run the fuzz targets (needs clang)
set -euo pipefail
cd "$(dirname "$0")"

BUILD=${ZR9_BUILD_DIR:-build}
PACKAGES=(build-essential cmake ninja-build pkg-config juce-modules-source
          libgtest-dev libgmock-dev libbenchmark-dev
          xvfb x11-utils xauth fonts-dejavu-core lilv-utils libx11-dev
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
launcher() { command -v ccache >/dev/null && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache"; true; }

configure() {
    [ -f "$BUILD/build.ninja" ] || cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release $(launcher) "$@"
}

build() { configure; cmake --build "$BUILD" --parallel 2 "$@"; }

program() { echo "$BUILD/ZR9_artefacts/Release/Standalone/ZR9"; }

case "${1:-}" in
    run)
        shift
        install_missing
        build --target ZR9_Standalone
        exec "$(program)" "$@"
        ;;
    test)
        install_missing
        build
        ctest --test-dir "$BUILD" --output-on-failure --parallel 2
        ./tests/fuzz/run.sh 10
        ;;
    bench)
        install_missing
        build
        for bench in "$BUILD"/bench/zr9_bench_*; do
            "$bench" "${@:2}"
        done
        ;;
    fuzz)
        install_missing
        ./tests/fuzz/run.sh "${2:-60}"
        ;;
    *)
        sed -n '2,7p' "$0"
        exit 2
        ;;
esac
