#!/usr/bin/env bash
# Installs what building, running and testing drovane needs on Debian 12,
# skipping the apt work when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  qt6-base-dev libgl-dev   # the window
  libgtest-dev             # tests
  zlib1g-dev               # the contact sheet's PNG
  xvfb libx11-dev libxtst-dev  # end-to-end tests and benchmarks on a virtual display
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
