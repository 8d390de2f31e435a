#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test; quick when all are there.
# With --test also the tools that only the tests and CI use (package checks, libFuzzer).
set -euo pipefail

packages=(
  build-essential clang cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-l10n-tools libgl-dev libxcb1-dev libsdl2-mixer-dev libgtest-dev libgmock-dev
  fonts-ipafont-mincho fonts-dejavu-core xdg-utils file
)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(desktop-file-utils appstream lintian libclang-rt-14-dev)
  # The peer test runs tsshogi under Node.js: Debian's node and npm, unless a Node.js is there
  # already with its own npm (Debian's npm cannot be installed beside that one).
  if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    packages+=(nodejs npm)
  fi
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
  "${missing[@]}"
