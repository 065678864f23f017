#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, and only
# those that are missing: a second run with everything present returns at once.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-image-formats-plugins
  libqscintilla2-qt6-dev
  qt6-webengine-dev qt6-webengine-dev-tools qt6-webchannel-dev
  libcurl4-openssl-dev libssl-dev
  libhunspell-dev hunspell-en-us
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 python3-pyftpdlib
  fonts-liberation
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
  echo "Install them as root (apt-get install ...) and run the command again." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq "${missing[@]}"
