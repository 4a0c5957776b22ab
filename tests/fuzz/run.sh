#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-30}
if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is not installed; skipping"
    exit 0
fi
build=../../build-fuzz
[ -f "$build/build.ninja" ] || CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2
for pair in fuzz_bank_index:bank.dict fuzz_settings:settings.dict fuzz_value_text:value.dict fuzz_sysex_route:sysex.dict \
        fuzz_part_data:sysex.dict fuzz_edit_parts:sysex.dict fuzz_program_decode:objects.dict fuzz_zone_walk:objects.dict fuzz_fx_chain:objects.dict \
        fuzz_arrangement_state:arrangement.dict fuzz_object_fetch:sysex.dict fuzz_arrangement_list:arrangementlist.dict \
        fuzz_monitor_decode:sysex.dict; do
    target=${pair%%:*}
    dict=${pair#*:}
    corpus="$build/corpus-$target"
    mkdir -p "$corpus"
    echo "fuzz: $target for ${seconds} s"
    log="$build/$target.log"
    if ! "$build/$target" -dict="$dict" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz: $target failed; the input that broke it is named above"
        exit 1
    fi
    tail -n 4 "$log"
done
