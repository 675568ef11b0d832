#!/usr/bin/env bash
# Installs every Debian package the project needs. Idempotent: apt-get update
# runs only when a package is missing, and nothing is installed twice.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  octave liboctave-dev gnuplot-nox fonts-freefont-otf
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64
  libusb-1.0-0-dev umockdev libumockdev-dev
  libpugixml-dev
  python3-dev pybind11-dev python3-pybind11 python3-numpy python3-pytest python3-matplotlib python3-pip python3-setuptools
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
