#!/usr/bin/env bash
# Packs a Windows build (scripts/test-windows.sh builds one in
# build-windows/) into
#
#   <build>/package/taketa-<version>-setup.exe        the installer (NSIS)
#   <build>/package/taketa-<version>-windows-x86_64.zip  the same files, to run
#                                                    from any folder
#
# Both hold taketa.exe and taketa-calc.exe (stripped), translations\ with
# Qt's Japanese texts, LICENSE.txt and README.md.
#
#   scripts/package-windows.sh [BUILD_DIR]   (default build-windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-windows}" && pwd)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || { echo "package-windows.sh: no version in $build" >&2; exit 1; }

out=$build/package
name=taketa-$version-windows-x86_64
files=$out/$name
rm -rf "$out"
mkdir -p "$files/translations"

for program in app/taketa.exe cli/taketa-calc.exe; do
  x86_64-w64-mingw32-strip -o "$files/$(basename "$program")" "$build/$program"
done
cp "$build/app/translations/qtbase_ja.qm" "$files/translations/"
# Line ends for Notepad and the installer's licence page.
sed 's/$/\r/' "$root/LICENSE" >"$files/LICENSE.txt"
cp "$root/README.md" "$files/"

size_kb=$(du -sk "$files" | cut -f1)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DFILES="$files" \
  -DICON="$root/data/icons/taketa.ico" -DSIZE_KB="$size_kb" \
  -DOUTFILE="$out/taketa-$version-setup.exe" "$root/data/windows/taketa.nsi"

(cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "$out/taketa-$version-setup.exe ($(stat -c %s "$out/taketa-$version-setup.exe") bytes)"
echo "$out/$name.zip ($(stat -c %s "$out/$name.zip") bytes)"
