#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Velmora need.
# Does nothing when they are all present.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
  # libraries
  libx11-dev libxext-dev libpixman-1-dev libfreetype-dev libfontconfig-dev
  zlib1g-dev libjpeg-dev libpng-dev libcairo2-dev libblkid-dev libcups2-dev
  # fonts the program's font names resolve to
  fonts-liberation2 fonts-wine fonts-dejavu-core
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # end-to-end tests and the virtual display of run.sh
  xvfb xauth xdotool xclip imagemagick x11-utils
  # a window manager for the end-to-end tests that need one
  openbox
  # printing to a real queue in the tests (the spooler and its standard PDF filters);
  # opening the help page
  cups-daemon cups-client cups-filters xdg-utils
  # the printed page rendered back to pixels; the install script's menu entry checked
  poppler-utils desktop-file-utils
  # drive and locale tests: disk images to mount, locales to compile
  dosfstools e2fsprogs locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
