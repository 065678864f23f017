#!/usr/bin/env bash
# Starts the program, or says what to do when there is no display to show it on.
set -euo pipefail
exe="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: Quorvane is a desktop program and needs one." >&2
  echo "Run it from a desktop session, or under a virtual display:" >&2
  echo "    xvfb-run -a make run" >&2
  exit 1
fi
if [ "$(id -u)" -eq 0 ]; then
  # Chromium's sandbox refuses to run as root.
  export QTWEBENGINE_DISABLE_SANDBOX=1
fi
exec "$exe"
