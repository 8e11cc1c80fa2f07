#!/usr/bin/env bash
# Builds the .deb from build/ (scripts/test.sh has built everything there)
# and checks it: the installed tree, the desktop entry, the metainfo, the
# man pages, the package's contents and Depends, and lintian (no error, no
# warning). Then runs the programs from the package's files unpacked into a
# throwaway folder: nothing is installed on the system.
#
#   scripts/test-package.sh [--install]
#
# --install (CI, on a machine of its own): instead installs the package with
# apt, runs the installed programs and removes the package again, as well as
# one installed before. Debian 12; setup.sh installs what is missing as root.
set -euo pipefail
cd "$(dirname "$0")/.."

install_package=no
case "${1:-}" in
  --install) install_package=yes ;;
  "") ;;
  *) echo "usage: scripts/test-package.sh [--install]" >&2; exit 64 ;;
esac

scripts/setup.sh package

fail() {
  echo "test-package: $*" >&2
  exit 1
}

[[ -f build/CPackConfig.cmake ]] || fail "build/ is not configured: run scripts/test.sh first"
cmake --build build # nothing to do after scripts/test.sh

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/CPackConfig.cmake)
desktop_files=(build/data/*.desktop)
app_id=$(basename "${desktop_files[0]}" .desktop)
[[ -n $version && $app_id == *.*.* ]] || fail "no version or application id in build/"
echo "Taketa $version, application id $app_id"

work=$(mktemp -d)
installed=no
cleanup() {
  if [[ $installed == yes ]]; then apt-get remove -y -q taketa >/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

# Every file, and nothing else, in the installed tree.
expected=(
  usr/bin/taketa
  usr/bin/taketa-calc
  "usr/share/applications/$app_id.desktop"
  usr/share/doc/taketa/LICENSE
  usr/share/doc/taketa/README.md
  usr/share/doc/taketa/changelog.gz
  usr/share/doc/taketa/copyright
  "usr/share/icons/hicolor/128x128/apps/$app_id.png"
  "usr/share/icons/hicolor/256x256/apps/$app_id.png"
  "usr/share/icons/hicolor/48x48/apps/$app_id.png"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  usr/share/man/man1/taketa-calc.1.gz
  usr/share/man/man1/taketa.1.gz
  "usr/share/metainfo/$app_id.metainfo.xml"
)
printf '%s\n' "${expected[@]}" | sort >"$work/expected"

stage="$work/stage"
DESTDIR="$stage" cmake --install build --prefix /usr >/dev/null
(cd "$stage" && find . -type f -printf '%P\n' | sort) >"$work/staged"
diff -u "$work/expected" "$work/staged" || fail "cmake --install placed other files"

for size in 48 128 256; do
  file "$stage/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" |
    grep -q "PNG image data, $size x $size" || fail "the $size px icon is not $size x $size"
done
desktop-file-validate "$stage/usr/share/applications/$app_id.desktop"
grep -qx "Icon=$app_id" "$stage/usr/share/applications/$app_id.desktop" ||
  fail "the desktop entry names another icon"
metainfo="$stage/usr/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate --no-net "$metainfo"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo names another release"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo launches another desktop entry"
for page in taketa taketa-calc; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$stage/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "$page(1): $warnings"
done

# The package: the same files, and what it depends on.
rm -f build/taketa_*.deb
(cd build && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack failed"; }
deb="build/taketa_${version}_$(dpkg --print-architecture).deb"
[[ -f $deb ]] || fail "cpack did not write $deb"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort >"$work/packaged"
diff -u "$work/expected" "$work/packaged" || fail "the package holds other files"
dpkg-deb --field "$deb" Package Version Architecture Section Maintainer Depends Recommends
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n \
  "fonts-ipafont-gothic | fonts-noto-cjk"; do
  [[ $depends == *"$needed"* ]] || fail "Depends does not name $needed"
done
[[ $(dpkg-deb --field "$deb" Version) == "$version" ]] || fail "the package has another version"
maintainer=$(dpkg-deb --field "$deb" Maintainer)
[[ $maintainer == *" <"*@*.*">" && $maintainer != *example* ]] ||
  fail "the package's maintainer is no name and address: $maintainer"
lintian --fail-on error,warning "$deb" || fail "lintian: errors or warnings above"

if [[ $install_package == yes ]]; then
  # Installed from the package, the programs run.
  if dpkg-query -W -f='${Status}' taketa 2>/dev/null | grep -q "install ok installed"; then
    echo "Removing the taketa package installed before"
    apt-get remove -y -q taketa >/dev/null
  fi
  installed=yes
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "./$deb" \
    >"$work/apt.log" || { cat "$work/apt.log"; fail "apt-get could not install $deb"; }
  bin=/usr/bin
else
  # The package's own files, unpacked where nothing else looks.
  dpkg-deb -x "$deb" "$work/root"
  bin=$work/root/usr/bin
fi

pi=$("$bin/taketa-calc" ensyuuritu 50)
[[ $pi == 31415926535897932384626433832795028841971693993751 ]] || fail "taketa-calc gave $pi"
[[ $("$bin/taketa-calc" --version) == "taketa-calc (Taketa) $version" ]] ||
  fail "taketa-calc --version: $("$bin/taketa-calc" --version)"
# --version needs no screen.
taketa_version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/taketa" --version)
[[ $taketa_version == "taketa (Taketa) $version" ]] || fail "taketa --version: $taketa_version"

# The program runs until its menu is closed: it passes when it is still
# running, its menu shown, after five seconds, and fails when it ends before
# (a missing library or plugin, a crash). Once offscreen, once on a virtual
# X screen.
still_running() {
  local status=0
  LANG=C "$@" timeout 5 "$bin/taketa" >"$work/taketa.log" 2>&1 || status=$?
  [[ $status == 124 ]] || { cat "$work/taketa.log"; fail "taketa ended early (exit status $status): $*"; }
}
still_running env QT_QPA_PLATFORM=offscreen
still_running xvfb-run -a -s "-screen 0 1280x800x24" env -u QT_QPA_PLATFORM

if [[ $install_package == yes ]]; then
  apt-get remove -y -q taketa >/dev/null
  installed=no
  [[ ! -e /usr/bin/taketa && ! -e "/usr/share/applications/$app_id.desktop" ]] ||
    fail "removing the package left its files"
  echo "test-package: $deb built, checked, installed, run and removed"
else
  echo "test-package: $deb built, checked and run from its files (nothing installed;" \
    "--install installs it)"
fi
