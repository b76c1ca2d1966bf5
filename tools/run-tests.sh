#!/usr/bin/env bash
# Sets up, builds and runs every test of the board.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/tools/setup.sh"
cd "$root/build"
ctest --output-on-failure -j"$(nproc)" --timeout 600
