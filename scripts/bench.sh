#!/usr/bin/env bash
# Runs every benchmark program of a build headless and prints what it measured.
# Usage: scripts/bench.sh [build-dir] [benchmark options such as --benchmark_filter=Save]
# Benchmarks print ratios only; a missed target never fails the run.
set -euo pipefail
build="${1:-build}"
shift || true
shopt -s nullglob
programs=("$build"/bin/*_bench)
if [ ${#programs[@]} -eq 0 ]; then
  echo "No benchmark programs in $build/bin: is libbenchmark-dev installed?" >&2
  exit 1
fi

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
if [ "$(id -u)" -eq 0 ]; then
  # Chromium's sandbox refuses to run as root.
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
# Nothing touches the user's own settings.
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"

status=0
for program in "${programs[@]}"; do
  echo "== $(basename "$program")"
  "$program" "$@" || status=$?
done
exit "$status"
