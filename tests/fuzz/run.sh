#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of
# seconds, two at a time (one per core). Each target starts from the seed
# corpus kept in corpus/<target>/, which it only reads: what it finds goes to
# its own corpus folder in the build folder. A crash, a leak or a time-out in
# any target fails the run, naming the input that caused it.
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

# Each target with the dictionary it mutates with and, where it is not 4096,
# the longest input it is given: an object fetch script of 1024 bytes holds
# a couple of hundred events, more than whole fetches over its three numbers need.
targets=(fuzz_bank_index:bank.dict fuzz_settings:settings.dict fuzz_value_text:value.dict fuzz_sysex_route:sysex.dict
         fuzz_part_data:sysex.dict fuzz_edit_parts:sysex.dict fuzz_program_decode:objects.dict fuzz_zone_walk:objects.dict
         fuzz_fx_chain:objects.dict fuzz_arrangement_state:arrangement.dict fuzz_object_fetch:sysex.dict:1024
         fuzz_arrangement_list:arrangementlist.dict fuzz_bank_merge:bank.dict
         fuzz_monitor_decode:sysex.dict fuzz_object_files:objectfiles.dict)

artifacts="$build/artifacts"
mkdir -p "$artifacts"

# Runs one target; its log is $build/<target>.log.
fuzz_one() {
    local target dict max_len
    IFS=: read -r target dict max_len <<<"$1"
    local corpus="$build/corpus-$target" seeds="corpus/$target"
    mkdir -p "$corpus"
    [ -d "$seeds" ] || { echo "fuzz: no seed corpus in tests/fuzz/$seeds" >"$build/$target.log"; return 1; }
    "$build/$target" -dict="$dict" -max_total_time="$seconds" -max_len="${max_len:-4096}" -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$corpus" "$seeds" >"$build/$target.log" 2>&1
}

stat_of() {
    sed -n "s/^stat::$2: *//p" "$build/$1.log" | tail -n 1
}

failed=()
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pair=("${targets[@]:i:2}")
    pids=()
    for entry in "${pair[@]}"; do
        echo "fuzz: ${entry%%:*} for ${seconds} s"
        fuzz_one "$entry" &
        pids+=($!)
    done
    for k in "${!pair[@]}"; do
        wait "${pids[k]}" || failed+=("${pair[k]%%:*}")
    done
    # After a failure the remaining targets are not started: the run has failed already.
    [ ${#failed[@]} -eq 0 ] || break
done

if [ ${#failed[@]} -gt 0 ]; then
    for target in "${failed[@]}"; do
        echo "---- fuzz: $target failed; the end of its log:"
        tail -n 60 "$build/$target.log"
        input=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$build/$target.log" | tail -n 1)
        echo "fuzz: $target failed on the input ${input:-named in the log above} (log: $build/$target.log)"
    done
    exit 1
fi

printf '%-24s %14s %10s %8s\n' target executions exec/s units
for entry in "${targets[@]}"; do
    target=${entry%%:*}
    printf '%-24s %14s %10s %8s\n' "$target" "$(stat_of "$target" number_of_executed_units)" \
        "$(stat_of "$target" average_exec_per_sec)" "$(stat_of "$target" new_units_added)"
done
