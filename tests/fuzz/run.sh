#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined-behaviour checks on) into
# build-fuzz/ and runs each for a bounded time from its seed corpus in corpus/<target>/.
# A crash, a sanitizer report, a broken invariant, a leak or a hang fails the run; the input
# that caused it is left in build-fuzz/findings/.
# Usage: run.sh [seconds per target, default 20]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
here=$root/tests/fuzz
out=$root/build-fuzz
seconds=${1:-${ZORVANE_FUZZ_SECONDS:-20}}
cxx=${ZORVANE_FUZZ_CXX:-clang++}
mkdir -p "$out/findings"

declare -A sources=(
    [ini]="config/IniText.cpp config/GbkCodec.cpp config/IniFile.cpp config/AtomicFile.cpp"
    [weather]="board/weather/WeatherOps.cpp"
    [markup]="controls/markup/MarkupParser.cpp controls/markup/MarkupStyle.cpp controls/markup/MarkupLayout.cpp"
    [picture]="board/slideshow/PictureDecoder.cpp"
)
targets=(ini weather markup picture)

read -r -a qt_flags < <(pkg-config --cflags Qt6Core Qt6Gui)
read -r -a qt_libs < <(pkg-config --libs Qt6Core Qt6Gui)
flags=(-std=c++20 -O1 -g -fPIC -fno-omit-frame-pointer
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
    -DQT_NO_CAST_FROM_ASCII -DQT_NO_CAST_TO_ASCII -I"$root" -I"$here" "${qt_flags[@]}")

build() {
    local target=$1 files=()
    for file in ${sources[$target]}; do files+=("$root/$file"); done
    "$cxx" "${flags[@]}" "$here/fuzz_$target.cpp" "${files[@]}" "${qt_libs[@]}" \
        -o "$out/fuzz_$target"
}

start=$SECONDS
pids=()
for target in "${targets[@]}"; do
    build "$target" &
    pids+=($!)
    # Two compilers at a time at most.
    if [ ${#pids[@]} -ge 2 ]; then wait "${pids[0]}"; pids=("${pids[@]:1}"); fi
done
for pid in "${pids[@]}"; do wait "$pid"; done
echo "fuzz: built ${#targets[@]} targets in $((SECONDS - start)) s"

export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0"
failed=0
summary=()
for target in "${targets[@]}"; do
    work=$out/corpus/$target
    mkdir -p "$work"
    dict=()
    [ -f "$here/$target.dict" ] && dict=(-dict="$here/$target.dict")
    log=$out/fuzz_$target.log
    status=0
    # New inputs go to the work folder; the committed seeds stay as they are.
    "$out/fuzz_$target" "$work" "$here/corpus/$target" "${dict[@]}" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$out/findings/$target-" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^Done \([0-9]*\) runs in \([0-9]*\) second.*/\1 runs in \2 s/p' "$log")
    if [ $status -eq 0 ] && [ -n "$runs" ]; then
        line="fuzz $target: $runs, $(find "$work" -type f | wc -l) inputs found beyond the seeds, no finding"
    else
        failed=1
        line="fuzz $target: FINDING (status $status), see $log and $out/findings/"
        tail -n 40 "$log"
    fi
    echo "$line"
    summary+=("$line")
done
printf '%s\n' "${summary[@]}" >"$out/summary.txt"
exit $failed
