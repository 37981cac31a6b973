#!/usr/bin/env bash
# Installs what building, testing and running Radixmender needs on Debian.
# Quick when everything is already there: it only calls apt-get for what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-pdf-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev  # the platform tests inflate the PDF pages they write
  libmimalloc-dev  # the allocator every program links
  fonts-dejavu-core fonts-noto-color-emoji
  locales  # builds the decimal-comma locale the "%.8g" test runs under
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
