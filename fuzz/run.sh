#!/usr/bin/env bash
# Builds the RTF reader's libFuzzer target with clang and runs it.
#   fuzz/run.sh [seconds] [build-dir]
# Default 300 seconds in build-fuzz/ at the top of the repository. Exits
# non-zero when the fuzzer finds a crash, a leak, a hang or an input whose
# written RTF does not read back; the input that did it is left in the build
# directory as crash-*, leak-* or timeout-*.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
seconds="${1:-300}"
build="${2:-$here/../build-fuzz}"

cxx=""
for c in clang++ clang++-14; do
  if command -v "$c" >/dev/null 2>&1; then cxx="$c"; break; fi
done
if [ -z "$cxx" ]; then
  echo "fuzz/run.sh: clang++ not found (scripts/setup.sh installs clang and libclang-rt-14-dev)" >&2
  exit 1
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build" --target rtf_fuzz

# New inputs go into the build directory; the committed seeds are only read.
mkdir -p "$build/corpus"
export QT_QPA_PLATFORM=offscreen
"$build/rtf_fuzz" "$build/corpus" "$here/corpus" \
  -dict="$here/rtf.dict" \
  -max_total_time="$seconds" \
  -timeout=10 \
  -rss_limit_mb=2048 \
  -max_len=16384 \
  -artifact_prefix="$build/" \
  -print_final_stats=1
