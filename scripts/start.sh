#!/usr/bin/env bash
# Installs what is missing, builds Korvane and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
# Only the window program and what it needs (the line font); the tests and
# benchmarks are built by scripts/test.sh.
bash "$here/scripts/build.sh" korvane
build="${KORVANE_BUILD_DIR:-$here/build}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Korvane is built ($build/ui/korvane) but needs a graphical session to start:" >&2
  echo "no DISPLAY or WAYLAND_DISPLAY is set. Run this command from a desktop session," >&2
  echo "or under a virtual display: xvfb-run -a $build/ui/korvane" >&2
  exit 1
fi
exec "$build/ui/korvane" "$@"
