#!/usr/bin/env bash
# Installs what building, running and testing Taketa need, on Debian 12 as
# root. Installs nothing when everything is there already.
#
#   scripts/setup.sh [GROUP ...]
#
# Without a GROUP: what building, starting and testing the program need.
# Further groups:
#   checks   clang and its sanitizer runtimes, for the sanitizer build and
#            the fuzz targets; clang-format, for the layout check
#   package  what building and checking the .deb, and redrawing the icons,
#            need
#   windows  the MinGW-w64 cross compiler, Wine and NSIS, for the Windows
#            build, its tests and its installer; then Qt for Windows, built
#            from Debian's source into a cache (scripts/build-qt-windows.sh;
#            about half an hour the first time, nothing after)
#   bench    PARI/GP, whose times the benchmarks set beside their own
#   all      every group
set -euo pipefail

base=(
  g++ cmake ninja-build           # the build
  qt6-base-dev libgl-dev          # Qt 6 Widgets and Test
  qt6-translations-l10n           # Qt's own texts in Japanese
  libgtest-dev                    # GoogleTest
  fonts-ipafont-gothic            # a Japanese font for the windows
  xvfb xauth                      # a screen for looking at the windows without a desktop
)
checks=(clang libclang-rt-14-dev clang-format)
package=(
  dpkg-dev file desktop-file-utils appstream lintian  # building and checking the .deb
  librsvg2-bin icoutils                                # scripts/make-icons.sh draws the icons
)
windows=(
  g++-mingw-w64-x86-64-posix wine64 googletest  # the cross build and its tests
  dpkg-dev                                      # dpkg-source unpacks Qt's source
  nsis                                          # the installer
  imagemagick xdotool                           # using taketa.exe under Wine on Xvfb, with screenshots
)
bench=(pari-gp)

packages=("${base[@]}")
for group in "$@"; do
  case "$group" in
    checks) packages+=("${checks[@]}") ;;
    package) packages+=("${package[@]}") ;;
    windows) packages+=("${windows[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    all) packages+=("${checks[@]}" "${package[@]}" "${windows[@]}" "${bench[@]}") ;;
    *) echo "setup.sh: unknown group $group" >&2; exit 64 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done

if ((${#missing[@]} > 0)); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

for group in "$@"; do
  if [[ $group == windows || $group == all ]]; then
    "$(dirname "$0")/build-qt-windows.sh"
    break
  fi
done
