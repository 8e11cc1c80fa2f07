#!/usr/bin/env bash
# Uses the Windows build in build-windows/ (scripts/test-windows.sh makes it)
# as a person would, under Wine on an X display of its own (Xvfb), with the
# real `windows` platform:
#
#  1. taketa.exe starts and shows the menu frm_menu; the π button opens
#     frm_ensyuuritu; 50 typed and Enter compute 50 digits; Yes to the
#     saving question writes C:\Temp\Temp.txt, which must hold exactly the
#     bytes of the Linux `taketa-calc ensyuuritu 50 --save`; Yes to opening
#     it starts Notepad on it. With a file in the way of C:\Temp, a second
#     run saves the same bytes to A:\Temp\Temp.txt (drive A is a folder of
#     the build). Closing the menu ends the program (exit 0).
#  2. The installer and the zip (scripts/package-windows.sh): a silent
#     install into a fresh Wine prefix puts the files into
#     Program Files\Taketa, with the Start menu shortcut 多桁 and the
#     uninstall entry; the installed taketa-calc.exe prints π's 50 digits
#     and the installed taketa.exe shows its menu; a silent uninstall removes
#     all of it. The zip's programs run from a folder of their own.
#
# Screenshots of every step go to build-windows/screenshots/ (the menu and
# the π window are the ones in docs/).
#
# Wine has no Japanese font of its own. The prefixes here play a Japanese
# Windows: "ＭＳ ゴシック", "ＭＳ Ｐゴシック" and the system's dialog and message
# fonts are mapped to IPA Gothic (fonts-ipafont-gothic), so that every text,
# message boxes included, is drawn in one Japanese font.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-windows
shots=$build/screenshots
started=$SECONDS

wine=$(command -v wine || true)
[[ -n $wine ]] || wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || true)
[[ -n $wineserver ]] || wineserver=/usr/lib/wine/wineserver64
linux_calc=$root/build/cli/taketa-calc
[[ -x $linux_calc && -f $build/app/taketa.exe ]] ||
  { echo "test-windows-desktop.sh: run scripts/test-windows.sh first" >&2; exit 1; }

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

rm -rf "$shots"
mkdir -p "$shots"
xvfb_pid=
cleanup() {
  if [[ -n ${WINEPREFIX:-} ]]; then "$wineserver" -k 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

fail() {
  echo "FAIL $*" >&2
  import -window root "$shots/failure.png" 2>/dev/null &&
    echo "the screen at that moment: $shots/failure.png" >&2
  exit 1
}

# An X display of its own: Xvfb picks a free number and writes it to fd 3.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [[ -s $display_file ]] && break
  sleep 0.1
done
[[ -s $display_file ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$display_file")
rm -f "$display_file"

# Waits up to $2 seconds for a visible top-level window whose name is
# exactly $1, other than the window $3 (an X id), and prints its X id.
wait_for_window() {
  local name=$1 seconds=${2:-60} not=${3:-} id
  for _ in $(seq $((seconds * 5))); do
    id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | grep -vxF "${not:-none}" |
      head -1 || true)
    if [[ -n $id ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

# Waits up to $2 seconds until no visible window is named $1.
wait_for_no_window() {
  local name=$1 seconds=${2:-30}
  for _ in $(seq $((seconds * 5))); do
    xdotool search --onlyvisible --name "^$name\$" >/dev/null 2>&1 || return 0
    sleep 0.2
  done
  return 1
}

# Gives a window the keyboard and types keys into it (xdotool key names).
keys_to() {
  local window=$1
  shift
  xdotool windowfocus "$window"
  sleep 0.3
  xdotool key --delay 50 "$@"
}

# A new Wine prefix that plays a Japanese Windows as far as fonts go.
new_prefix() {
  export WINEPREFIX=$1
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$wine" wineboot --init >/dev/null 2>&1 || true
  # LOGFONTW of 9-point "MS UI Gothic" (Shift-JIS character set), the
  # message, menu and status font of a Japanese Windows: 28 bytes of sizes
  # and flags, then the face name in 32 UTF-16 code units.
  local face font
  face=$(printf 'MS UI Gothic' | iconv -f UTF-8 -t UTF-16LE | od -An -v -tx1 | tr -s ' \n' ',')
  face=${face#,}
  face=${face%,}
  font="f4,ff,ff,ff,00,00,00,00,00,00,00,00,00,00,00,00,90,01,00,00,00,00,00,80,00,00,00,00,$face"
  local count=$(( (${#font} + 1) / 3 ))
  while ((count < 92)); do
    font+=",00"
    count=$((count + 1))
  done
  local fonts='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  local metrics='HKEY_CURRENT_USER\Control Panel\Desktop\WindowMetrics'
  {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n' "$fonts"
    local name
    for name in "ＭＳ ゴシック" "MS Gothic"; do
      printf '"%s"="IPAGothic"\r\n' "$name"
    done
    for name in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic" "MS Shell Dlg" "MS Shell Dlg 2"; do
      printf '"%s"="IPAPGothic"\r\n' "$name"
    done
    printf '\r\n[%s]\r\n' "$metrics"
    for name in MessageFont MenuFont StatusFont CaptionFont SmCaptionFont IconFont; do
      printf '"%s"=hex:%s\r\n' "$name" "$font"
    done
  } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$WINEPREFIX/japanese-fonts.reg"
  "$wine" regedit /S "$WINEPREFIX/japanese-fonts.reg" >/dev/null 2>&1
  # Every Wine process ends; the next program starts with the new fonts.
  wait_for_wine
}

# Waits until every program of the prefix has ended (its server with them).
wait_for_wine() {
  timeout 120 "$wineserver" -w || fail "Wine's programs did not end"
}

# Starts a taketa.exe, waits for its menu and takes a screenshot. Leaves
# the menu's X id in $menu and the program's process id in $taketa_pid.
start_taketa() {
  local program=$1 shot=$2
  "$wine" "$program" >"$shots/taketa.out" 2>"$shots/taketa.err" &
  taketa_pid=$!
  menu=$(wait_for_window frm_menu 120) || fail "$program showed no window frm_menu"
  sleep 2  # painted
  import -window root "$shots/$shot"
}

# Closes the menu as a person would (Alt+F4) and expects taketa.exe to end
# with exit status 0.
close_taketa() {
  local menu=$1 status=0
  keys_to "$menu" alt+F4
  for _ in $(seq 150); do
    kill -0 "$taketa_pid" 2>/dev/null || break
    sleep 0.2
  done
  kill -0 "$taketa_pid" 2>/dev/null && fail "taketa.exe did not end when its menu was closed"
  wait "$taketa_pid" || status=$?
  [[ $status == 0 ]] || fail "taketa.exe ended with exit status $status"
}

echo "== taketa.exe under Wine on display $DISPLAY"
new_prefix "$build/wineprefix-desktop"
a_drive=$build/drive-a
rm -rf "$a_drive"
mkdir -p "$a_drive"
ln -sfn "$a_drive" "$WINEPREFIX/dosdevices/a:"
expected=$build/screenshots/expected-Temp.txt
"$linux_calc" ensyuuritu 50 --save "$expected" >/dev/null
saved=$WINEPREFIX/drive_c/Temp/Temp.txt

start_taketa "$build/app/taketa.exe" windows-menu.png
echo "ok   the menu frm_menu shows"
# The π button: the second from the top, at 56, 88 in the window.
xdotool mousemove --window "$menu" 120 100 click 1
pi=$(wait_for_window frm_ensyuuritu 30) || fail "the π button showed no window frm_ensyuuritu"
echo "ok   the π button shows frm_ensyuuritu"
sleep 1
# The input box has the focus when the window shows.
keys_to "$pi" 5 0 Return
question=$(wait_for_window 多桁 120) || fail "no saving question after the run"
sleep 1
import -window root "$shots/windows-question.png"
[[ ! -e $saved ]] || fail "C:\\Temp\\Temp.txt was there before the answer"
# Yes is the default button.
keys_to "$question" Return
question=$(wait_for_window 多桁 30 "$question") || fail "no question after saving"
sleep 1
import -window root "$shots/windows-saved.png"
[[ -f $saved ]] || fail "C:\\Temp\\Temp.txt was not written"
cmp "$expected" "$saved" ||
  fail "C:\\Temp\\Temp.txt differs from the Linux taketa-calc ensyuuritu 50 --save"
echo "ok   C:\\Temp\\Temp.txt holds the bytes of the Linux taketa-calc ($(stat -c %s "$saved") bytes)"
# Yes: Notepad opens the file.
keys_to "$question" y
notepad=$(wait_for_window "Temp.txt - Notepad" 60) ||
  fail "Yes to opening the file started no Notepad on Temp.txt"
echo "ok   Notepad opens C:\\Temp\\Temp.txt"
sleep 1
import -window root "$shots/windows-notepad.png"
keys_to "$notepad" alt+F4
wait_for_no_window "Temp.txt - Notepad" 30 || fail "Notepad did not close"
# Back to the π window as a person would: a click into its input box (at
# 345, 73 in the window), which makes it the active window again for Wine.
xdotool mousemove --window "$pi" 345 73 click 1
sleep 2  # repainted where Notepad was
import -window "$pi" "$shots/windows-ensyuuritu.png"

# C:\Temp cannot be made (a file has its name): the same run saves to
# A:\Temp, drive A being a folder of the build here.
rm -rf "$WINEPREFIX/drive_c/Temp"
: >"$WINEPREFIX/drive_c/Temp"
keys_to "$pi" ctrl+a 5 0 Return
question=$(wait_for_window 多桁 120) || fail "no saving question after the second run"
keys_to "$question" Return
question=$(wait_for_window 多桁 30 "$question") || fail "no question after saving on drive A"
sleep 1
import -window root "$shots/windows-saved-on-a.png"
cmp "$expected" "$a_drive/Temp/Temp.txt" ||
  fail "A:\Temp\Temp.txt differs from the Linux taketa-calc ensyuuritu 50 --save"
[[ -f $WINEPREFIX/drive_c/Temp && ! -s $WINEPREFIX/drive_c/Temp ]] ||
  fail "the file in C:\Temp's way was changed"
echo "ok   with C:\Temp blocked, A:\Temp\Temp.txt holds the same bytes"
keys_to "$question" n
wait_for_no_window 多桁 10 || fail "No did not close the question"

keys_to "$pi" alt+F4
wait_for_no_window frm_ensyuuritu 30 || fail "frm_ensyuuritu did not close"
close_taketa "$menu"
echo "ok   closing the menu ends taketa.exe (exit 0)"
wait_for_wine

echo "== The installer and the zip"
scripts/package-windows.sh "$build"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
setup=$build/package/taketa-$version-setup.exe
zip=$build/package/taketa-$version-windows-x86_64.zip
x86_64-w64-mingw32-objdump -f "$setup" | grep 'file format pei-x86-64' >/dev/null ||
  fail "the installer is not a 64-bit program"

new_prefix "$build/wineprefix-install"
installed=$WINEPREFIX/drive_c/Program\ Files/Taketa
shortcut=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/多桁.lnk
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Taketa'
status=0
"$wine" "$setup" /S || status=$?
wait_for_wine
[[ $status == 0 ]] || fail "the silent install ended with exit status $status"
for file in taketa.exe taketa-calc.exe translations/qtbase_ja.qm LICENSE.txt README.md \
  uninstall.exe; do
  [[ -f $installed/$file ]] || fail "the install has no $file"
done
for program in taketa.exe taketa-calc.exe; do
  if x86_64-w64-mingw32-objdump -h "$installed/$program" | grep '\.debug' >/dev/null; then
    fail "the installed $program is not stripped"
  fi
done
[[ -f $shortcut ]] || fail "the install made no Start menu shortcut 多桁"
"$wine" reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 ||
  fail "the install registered no uninstaller"
echo "ok   silent install: Program Files\\Taketa, the shortcut 多桁, the uninstall entry"

"$linux_calc" ensyuuritu 50 >"$shots/expected-pi.out"
"$wine" "C:\\Program Files\\Taketa\\taketa-calc.exe" ensyuuritu 50 >"$shots/installed-pi.out" ||
  fail "the installed taketa-calc.exe failed"
cmp -s "$shots/expected-pi.out" "$shots/installed-pi.out" ||
  fail "the installed taketa-calc.exe ensyuuritu 50 printed something else"
echo "ok   the installed taketa-calc.exe prints π's 50 digits"
start_taketa "C:\\Program Files\\Taketa\\taketa.exe" installed-menu.png
close_taketa "$menu"
echo "ok   the installed taketa.exe shows its menu"

status=0
"$wine" "C:\\Program Files\\Taketa\\uninstall.exe" /S || status=$?
wait_for_wine  # the uninstaller goes on from a copy of itself
[[ $status == 0 ]] || fail "the silent uninstall ended with exit status $status"
[[ ! -e $installed ]] || fail "the uninstall left $(cd "$installed" && find . -mindepth 1 | head -3)"
[[ ! -e $shortcut ]] || fail "the uninstall left the shortcut"
if "$wine" reg query "$uninstall_key" >/dev/null 2>&1; then
  fail "the uninstall left its entry"
fi
echo "ok   silent uninstall removes the files, the shortcut and the entry"

# The zip runs from any folder: here one with a space and Japanese in it.
unpacked=$WINEPREFIX/drive_c/users/Public/持ち運び\ Taketa
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
zip_calc=$(find "$unpacked" -name taketa-calc.exe)
"$wine" "$zip_calc" ensyuuritu 50 >"$shots/zip-pi.out" || fail "the zip's taketa-calc.exe failed"
cmp -s "$shots/expected-pi.out" "$shots/zip-pi.out" ||
  fail "the zip's taketa-calc.exe ensyuuritu 50 printed something else"
start_taketa "$(find "$unpacked" -name taketa.exe)" zip-menu.png
close_taketa "$menu"
echo "ok   the zip's programs run from a folder of their own"

echo "== taketa.exe, the installer and the zip passed under Wine in $((SECONDS - started)) s:" \
  "taketa.exe $(stat -c %s "$build/app/taketa.exe") bytes" \
  "($(stat -c %s "$build/package/taketa-$version-windows-x86_64/taketa.exe") stripped)," \
  "installer $(stat -c %s "$setup") bytes, zip $(stat -c %s "$zip") bytes"
