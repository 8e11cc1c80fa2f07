#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows (x86_64-w64-mingw32, static, Release) from
# Debian's own qt6-base source package, with only what Taketa uses, and
# installs it into a cache folder outside the checkout:
#
#   ${XDG_CACHE_HOME:-~/.cache}/taketa/qt-<version>-mingw-<options hash>
#
# The hash covers the configure options below, the toolchain file and the
# cross compiler's version, so changing any of them builds a new Qt. The
# folder counts only once the file `complete` is in it, written after a
# whole install; a folder without it is removed and built again. When the
# folder is complete, nothing is done.
#
#   scripts/build-qt-windows.sh           build when needed
#   scripts/build-qt-windows.sh --prefix  print the folder, build nothing
#
# The source is the same Qt version as the Linux qt6-base-dev, whose tools
# (moc, rcc, uic) the build uses. It is fetched with apt-get source in an
# apt configuration of this script's own, with deb-src entries derived from
# the machine's Debian entries (nothing is written to the system's apt
# setup), and dpkg-source checks every file against the .dsc.
#
# Needs what `scripts/setup.sh windows` installs. A cold build takes about
# half an hour on two cores (ninja -j$(nproc)); set TAKETA_QT_JOBS to change
# the number of jobs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

toolchain=$root/cmake/mingw-w64-x86_64.cmake
host_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake

# The Linux Qt's package version (6.4.2+dfsg-10); its source package is the
# one built here.
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [[ -z $debian_version ]]; then
  echo "build-qt-windows.sh: qt6-base-dev is not installed (scripts/setup.sh)" >&2
  exit 1
fi
qt_version=${debian_version%%+*}
qt_version=${qt_version%%-*}

# Only what the windows use. Whole modules off, then the features of Gui and
# Widgets that no window needs. Kept on purpose: DirectWrite and direct2d
# (Qt Gui 6.4 compiles its DirectWrite font database only together with
# direct2d), the Windows styles, the message box and the file dialog (and
# the item views, combo box and file system model it is made of), the
# slider class the scroll bars derive from, the spin box, tab bar, tab
# widget, table view and input dialog (the Windows Vista style uses them
# without asking whether they are there), the freetype font engine (the
# offscreen platform draws with it on Windows), and the main window, tool
# bar and menu bar (Qt Widgets 6.4.2's compat/removed_api.cpp needs them).
options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DQT_QPA_DEFAULT_PLATFORM=windows
  -DINPUT_opengl=no
  # Modules
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF
  # Debian's source has no src/3rdparty/wintab, which tablet events need.
  -DFEATURE_tabletevent=OFF
  -DFEATURE_androiddeployqt=OFF -DFEATURE_macdeployqt=OFF
  # Gui
  -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF
  -DFEATURE_textmarkdownwriter=OFF -DFEATURE_movie=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_ico=OFF -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
  -DFEATURE_sessionmanager=OFF -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF
  -DFEATURE_undogroup=OFF
  # Widgets
  -DFEATURE_style_stylesheet=OFF -DFEATURE_commandlinkbutton=OFF -DFEATURE_datetimeedit=OFF
  -DFEATURE_calendarwidget=OFF -DFEATURE_splashscreen=OFF -DFEATURE_lcdnumber=OFF
  -DFEATURE_dial=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_toolbox=OFF
  -DFEATURE_dockwidget=OFF -DFEATURE_mdiarea=OFF -DFEATURE_statusbar=OFF
  -DFEATURE_progressbar=OFF -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF
  -DFEATURE_syntaxhighlighter=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_colordialog=OFF
  -DFEATURE_fontdialog=OFF -DFEATURE_progressdialog=OFF
  -DFEATURE_errormessage=OFF -DFEATURE_wizard=OFF -DFEATURE_tablewidget=OFF
  -DFEATURE_treewidget=OFF -DFEATURE_listwidget=OFF
  -DFEATURE_columnview=OFF -DFEATURE_datawidgetmapper=OFF -DFEATURE_undoview=OFF
  -DFEATURE_textbrowser=OFF
)

compiler_version=$(x86_64-w64-mingw32-g++-posix --version 2>/dev/null | head -1 || true)
hash=$( { printf '%s\n' "$debian_version" "$compiler_version" "${options[@]}"; cat "$toolchain"; } |
  sha256sum | cut -c1-12)
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/taketa
prefix=$cache_root/qt-$qt_version-mingw-$hash

if [[ ${1:-} == --prefix ]]; then
  echo "$prefix"
  exit 0
elif [[ $# -gt 0 ]]; then
  echo "usage: build-qt-windows.sh [--prefix]" >&2
  exit 64
fi

mkdir -p "$cache_root"
# One build at a time; a second caller waits and then finds the cache.
exec 9>"$cache_root/qt-build.lock"
flock 9

if [[ -f $prefix/complete ]]; then
  echo "Qt $qt_version for Windows: $prefix"
  exit 0
fi

echo "== Qt $qt_version for Windows, from Debian's qt6-base $debian_version, into $prefix"
started=$SECONDS
rm -rf "$prefix"
# No ccache: the build runs once per Qt version and options, always cold,
# and ccache's own preprocessing of each file would only lengthen it.
work=$cache_root/qt-build
rm -rf "$work"
mkdir -p "$work"

# apt in a configuration of its own: deb-src entries made from the
# machine's Debian entries, and lists and downloads in $work/apt.
apt_dir=$work/apt
mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
for file in /etc/apt/sources.list.d/*.sources; do
  [[ -f $file ]] || continue
  # deb822 stanzas: those with "deb" among their Types, for Debian's own
  # archive (signed with Debian's keyring, or at a .../debian* address).
  awk -v RS= -v ORS='\n\n' '
    /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ &&
    (/debian-archive-keyring/ || /(^|\n)URIs:[^\n]*\/debian(-security)?\/?([ \t]|\n|$)/) {
      sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print
    }' "$file"
done >"$apt_dir/parts/debian-src.sources"
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [[ -f $file ]] || continue
  awk '$1 == "deb" && /\/debian(-security)?\/?[ \t]/ { $1 = "deb-src"; print }' "$file"
done >"$apt_dir/parts/debian-src.list"
if [[ ! -s $apt_dir/parts/debian-src.sources && ! -s $apt_dir/parts/debian-src.list ]]; then
  echo "build-qt-windows.sh: no Debian entry in the machine's apt sources" >&2
  exit 1
fi
apt_options=(
  -o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/parts"
  -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
  -o APT::Sandbox::User=root -q
)
apt-get "${apt_options[@]}" update >"$work/apt-update.log"
mkdir -p "$work/download"
(cd "$work/download" &&
  apt-get "${apt_options[@]}" source --download-only "qt6-base=$debian_version" >/dev/null)
dsc=$(echo "$work"/download/qt6-base_*.dsc)
[[ -f $dsc ]] || { echo "build-qt-windows.sh: no .dsc was fetched" >&2; exit 1; }
# Checks the size and SHA-256 of every file the .dsc lists, then unpacks
# with Debian's patches applied.
# (Its warning that the .dsc's own signature cannot be checked without
# debian-keyring is expected: apt has checked the .dsc against the signed
# archive index.)
(cd "$work/download" && dpkg-source -x "$dsc" "$work/qtbase" >"$work/dpkg-source.log" 2>&1) ||
  { cat "$work/dpkg-source.log" >&2; exit 1; }
echo "source fetched and checked after $((SECONDS - started)) s"

cmake -S "$work/qtbase" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
  "${options[@]}" >"$work/configure.log" ||
  { tail -40 "$work/configure.log" >&2; exit 1; }
echo "configured after $((SECONDS - started)) s"
cmake --build "$work/build" -j "${TAKETA_QT_JOBS:-$(nproc)}"
cmake --install "$work/build" >/dev/null
echo "$debian_version" >"$prefix/complete"
rm -rf "$work"
echo "Qt $qt_version for Windows built in $((SECONDS - started)) s: $prefix"
