#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs them two at a time (one per core).
#   run.sh SECONDS            each target runs SECONDS (the short run the tests make)
#   run.sh --total SECONDS    the whole run lasts about SECONDS, shared out by
#                             each target's weight (below)
# Each target starts from the seed corpus kept in corpus/<target>/, which it
# only reads: what it finds goes to its own corpus folder in the build folder.
# A crash, a leak or a time-out in any target fails the run, naming the input
# that caused it.
set -euo pipefail
cd "$(dirname "$0")"
total=""
if [ "${1:-}" = "--total" ]; then
    total=${2:?"run.sh --total needs the run's length in seconds"}
    seconds=""
else
    seconds=${1:-30}
fi
if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ is not installed; skipping"
    exit 0
fi
build=../../build-fuzz
[ -f "$build/build.ninja" ] || CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel 2

# Each target with the dictionary it mutates with, the longest input it is
# given where that is not 4096, and its weight: its share of a whole run's
# time. An object fetch script of 1024 bytes holds a couple of hundred events,
# more than whole fetches over its three numbers need. The weights follow the
# rates the targets reach two at a time (from about 5,000 inputs a second for
# object fetches, whose every input drives a fetch to its end, to about
# 240,000 for part data), so that a ten-minute run gives each target more
# than a million inputs.
targets=(fuzz_bank_index:bank.dict::2 fuzz_settings:settings.dict::1 fuzz_value_text:value.dict::3
         fuzz_sysex_route:sysex.dict::2 fuzz_part_data:sysex.dict::1 fuzz_edit_parts:sysex.dict::7
         fuzz_program_decode:objects.dict::4 fuzz_zone_walk:objects.dict::3 fuzz_fx_chain:objects.dict::1
         fuzz_arrangement_state:arrangement.dict::2 fuzz_object_fetch:sysex.dict:1024:9
         fuzz_arrangement_list:arrangementlist.dict::2 fuzz_bank_merge:bank.dict::3
         fuzz_monitor_decode:sysex.dict::2 fuzz_object_files:objectfiles.dict::3)

artifacts="$build/artifacts"
mkdir -p "$artifacts"
failures="$build/failed-targets"
: >"$failures"

weight_of() {
    local target dict max_len weight
    IFS=: read -r target dict max_len weight <<<"$1"
    echo "${weight:-1}"
}

# The targets go to two lanes, heaviest first, each to the lane with less
# weight so far; a lane runs its targets one after another.
lanes=("" "")
lane_weight=(0 0)
for ((w = 9; w >= 1; --w)); do
    for entry in "${targets[@]}"; do
        [ "$(weight_of "$entry")" -eq "$w" ] || continue
        l=0
        [ "${lane_weight[1]}" -lt "${lane_weight[0]}" ] && l=1
        lanes[l]+="$entry "
        lane_weight[l]=$((lane_weight[l] + w))
    done
done

# Runs one target for the given seconds; its log is $build/<target>.log.
fuzz_one() {
    local target dict max_len weight
    IFS=: read -r target dict max_len weight <<<"$1"
    local corpus="$build/corpus-$target" seeds="corpus/$target"
    mkdir -p "$corpus"
    [ -d "$seeds" ] || { echo "fuzz: no seed corpus in tests/fuzz/$seeds" >"$build/$target.log"; return 1; }
    "$build/$target" -dict="$dict" -max_total_time="$2" -max_len="${max_len:-4096}" -print_final_stats=1 \
        -artifact_prefix="$artifacts/$target-" "$corpus" "$seeds" >"$build/$target.log" 2>&1
}

# Runs a lane's targets in turn. In a whole run each target gets the time
# the lane has left in proportion to its weight among the targets still to
# run, so the seconds each target spends starting and ending come out of
# the run's length and both lanes end together. After a failure in either
# lane no further target is started: the run has failed already.
run_lane() {
    local entries=($1) weight_left=$2 deadline=$(($(date +%s) + ${total:-0})) entry weight time
    for entry in "${entries[@]}"; do
        [ -s "$failures" ] && return 0
        weight=$(weight_of "$entry")
        if [ -n "$total" ]; then
            time=$(((deadline - $(date +%s)) * weight / weight_left))
            [ "$time" -ge 1 ] || time=1
        else
            time=$seconds
        fi
        weight_left=$((weight_left - weight))
        echo "fuzz: ${entry%%:*} for ${time} s"
        fuzz_one "$entry" "$time" || echo "${entry%%:*}" >>"$failures"
    done
}

run_lane "${lanes[0]}" "${lane_weight[0]}" &
first=$!
run_lane "${lanes[1]}" "${lane_weight[1]}" &
second=$!
wait "$first" "$second"

stat_of() {
    sed -n "s/^stat::$2: *//p" "$build/$1.log" | tail -n 1
}

if [ -s "$failures" ]; then
    while read -r target; do
        echo "---- fuzz: $target failed; the end of its log:"
        tail -n 60 "$build/$target.log"
        input=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$build/$target.log" | tail -n 1)
        echo "fuzz: $target failed on the input ${input:-named in the log above} (log: $build/$target.log)"
    done <"$failures"
    exit 1
fi

printf '%-24s %14s %10s %8s\n' target executions exec/s units
for entry in "${targets[@]}"; do
    target=${entry%%:*}
    printf '%-24s %14s %10s %8s\n' "$target" "$(stat_of "$target" number_of_executed_units)" \
        "$(stat_of "$target" average_exec_per_sec)" "$(stat_of "$target" new_units_added)"
done
