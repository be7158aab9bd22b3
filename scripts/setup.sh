#!/usr/bin/env bash
# Installs what the build and the tests need (as root, with apt-get), then
# configures and builds into build/. Sourced by play.sh and test.sh.
set -euo pipefail

packages=(g++ cmake make libsfml-dev fonts-liberation libgtest-dev libx11-dev libgl-dev
          libgl1-mesa-dri xvfb xauth xdotool imagemagick clang libclang-rt-14-dev
          appstream desktop-file-utils)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages. Please run:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cmake -S "$root" -B "$root/build"
cmake --build "$root/build" -j2
