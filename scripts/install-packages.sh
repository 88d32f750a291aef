#!/usr/bin/env bash
# Installs the Debian packages Kolvard needs to build, run and test, when any is missing.
set -euo pipefail

packages=(build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          libsdl2-dev libx11-dev libpng-dev zlib1g-dev xvfb xdotool imagemagick x11-utils clang-format
          clang libclang-rt-14-dev libqpdf-dev qpdf poppler-utils
          dpkg-dev g++-mingw-w64-x86-64-posix wine64 ninja-build ccache nlohmann-json3-dev libdeflate-dev
          lintian)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
