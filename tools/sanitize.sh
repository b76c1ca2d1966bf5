#!/usr/bin/env bash
# Builds the unit tests with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# and runs them. Unit tests are those on the offscreen platform; the end-to-end and X11 tests
# run only in the normal build. Any sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-asan
jobs=$(nproc)
sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"

# -O1 with line tables only: reports name files and lines, and the build stays short.
cmake -S "$root" -B "$build" -G Ninja -DZORVANE_BUILD_TESTS=ON -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DCMAKE_CXX_FLAGS="$sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitize" -DCMAKE_SHARED_LINKER_FLAGS="$sanitize" >/dev/null

mapfile -t units < <(ctest --test-dir "$build" --show-only=json-v1 | jq -r '.tests[]
    | select(any(.properties[]?; .name == "ENVIRONMENT"
                 and any(.value[]; . == "QT_QPA_PLATFORM=offscreen")))
    | .name')
[ ${#units[@]} -gt 0 ] || { echo "sanitize: no unit tests found" >&2; exit 1; }

echo "sanitize: building ${#units[@]} unit tests in $build"
cmake --build "$build" -j"$jobs" --target "${units[@]}"

# halt_on_error and exitcode make every report a failed test; the leak checker ignores
# only what tests/fuzz/lsan.supp names.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$root/tests/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
pattern="^($(IFS='|'; echo "${units[*]}"))\$"
ctest --test-dir "$build" -R "$pattern" --output-on-failure -j"$jobs" --timeout 600
