#!/usr/bin/env bash
# Sets up, builds and runs every test of the board, then the unit tests again under the
# address and undefined-behaviour sanitizers, then each fuzzer for a bounded time. Any
# failure, sanitizer report or fuzzer finding fails the command.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/tools/setup.sh"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
started=$SECONDS
bash "$root/tools/sanitize.sh"
echo "sanitize: $((SECONDS - started)) s"
started=$SECONDS
bash "$root/tests/fuzz/run.sh"
echo "fuzz: $((SECONDS - started)) s"
