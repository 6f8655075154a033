#!/usr/bin/env bash
# Configures and builds Korvane into build/ (or $KORVANE_BUILD_DIR): the
# targets named as arguments and what they need, or everything without any.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVANE_BUILD_DIR:-$here/build}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$build" -j2 ${targets[@]+"${targets[@]}"}
