#!/usr/bin/env bash
# Builds the whole of Taketa for 64-bit Windows with MinGW-w64 (into
# build-windows/): taketa.exe against a static Qt built from Debian's own
# source (scripts/build-qt-windows.sh, cached), taketa-calc.exe and every
# test program. Then, under Wine,
#
#  - runs every test program, the window tests on Qt's offscreen platform;
#  - compares taketa-calc.exe's output, exit status and saved files byte for
#    byte with the Linux build's (build/, built here when missing);
#  - uses taketa.exe as a person would, on an X display (Xvfb), and packs,
#    installs, runs and uninstalls it (scripts/test-windows-desktop.sh).
#
# Wine runs in a prefix of its own, build-windows/wineprefix (set
# TAKETA_WINEPREFIX to use another); its first start takes a while.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
started=$SECONDS
elapsed() { echo "$((SECONDS - started)) s"; }

# The packages, then Qt for Windows when its cache is missing.
scripts/setup.sh windows
qt=$(scripts/build-qt-windows.sh --prefix)
echo "Qt for Windows ready after $(elapsed)"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Debian's wine64 package has no wine on the PATH; the wine package adds it.
wine=$(command -v wine || true)
[[ -n $wine ]] || wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || true)
[[ -n $wineserver ]] || wineserver=/usr/lib/wine/wineserver64

echo "== The Linux taketa-calc (build/)"
if [[ ! -f build/CMakeCache.txt ]]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "${launcher[@]}"
fi
cmake --build build --target taketa-calc
linux_calc=$root/build/cli/taketa-calc

echo "== Cross build (build-windows/), Qt from $qt"
# Qt's toolchain file finds that Qt and its Linux tools (moc, rcc), and
# loads ours, which picks the compiler and keeps the Linux libraries out. A
# folder configured for another Qt, or without one, starts afresh.
toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
if [[ -f build-windows/CMakeCache.txt &&
  $(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' build-windows/CMakeCache.txt) != "$toolchain" ]]; then
  rm -rf build-windows
fi
cmake -S . -B build-windows -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DTAKETA_BUILD_GUI=ON \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" "${launcher[@]}"
cmake --build build-windows
windows_calc=$root/build-windows/cli/taketa-calc.exe
echo "built after $(elapsed)"

export WINEPREFIX=${TAKETA_WINEPREFIX:-$root/build-windows/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="  # no Mono or Gecko installer at the first start
export LC_ALL=C.UTF-8                      # Wine reads the arguments in the locale's encoding
unset DISPLAY WAYLAND_DISPLAY
trap '"$wineserver" -k 2>/dev/null || true' EXIT

echo "== Wine prefix $WINEPREFIX"
prefix_started=$SECONDS
# One server and one set of Wine's own services for every run below, started
# with their output thrown away: services that a test program started would
# hold its output pipe open, and ctest would wait for them.
mkdir -p "$WINEPREFIX"
"$wineserver" -p
"$wine" wineboot --init >/dev/null 2>&1 || true
echo "ready in $((SECONDS - prefix_started)) s"

echo "== The programs' DLLs and kinds"
# Each program needs no DLL but Windows' own, which are the ones Wine
# provides in system32, and API sets: Qt, the C++ runtime and winpthread
# are linked in.
for program in app/taketa.exe cli/taketa-calc.exe; do
  dump=$(x86_64-w64-mingw32-objdump -p "build-windows/$program")
  for dll in $(sed -n 's/^\tDLL Name: //p' <<<"$dump"); do
    # api-ms-win-* are API sets: names that the loader of Windows 10 (and
    # Wine's) maps to its own DLLs, never files of their own.
    [[ ${dll,,} == api-ms-win-* ]] && continue
    if [[ ! -e $WINEPREFIX/drive_c/windows/system32/${dll,,} ]]; then
      echo "$program needs $dll, which is not Windows' own" >&2
      exit 1
    fi
  done
  grep -q '^Magic[[:space:]]*020b' <<<"$dump" || { echo "$program is not 64-bit" >&2; exit 1; }
  subsystem=$(sed -n 's/^Subsystem[[:space:]]*//p' <<<"$dump")
  # taketa.exe opens no console window; taketa-calc.exe is a console program.
  case $program in
    app/taketa.exe) wanted="Windows GUI" ;;
    *) wanted="Windows CUI" ;;
  esac
  [[ $subsystem == *"$wanted"* ]] || { echo "$program is not a $wanted program" >&2; exit 1; }
  echo "$program: $subsystem, $(stat -c %s "build-windows/$program") bytes," \
    "$(sed -n 's/^\tDLL Name: //p' <<<"$dump" | tr '\n' ' ')"
done

echo "== Test programs under Wine"
tests_started=$SECONDS
ctest --test-dir build-windows --output-on-failure -j "$(nproc)"
echo "tests ran in $((SECONDS - tests_started)) s"

echo "== taketa-calc.exe against the Linux taketa-calc"
work=$root/build-windows/compare
rm -rf "$work"
mkdir -p "$work"
cd "$work"
failures=0

# Runs both with the arguments given (SAVE stands for a file name of each
# one's own) and compares exit status, standard output and error and the
# saved file; the exit status must be $expected_status.
compare() {
  local name=$1
  shift
  local -a args=("$@") linux_args=() windows_args=()
  local arg
  for arg in "${args[@]}"; do
    if [[ $arg == SAVE ]]; then
      linux_args+=(linux.txt)
      windows_args+=(windows.txt)
    else
      linux_args+=("$arg")
      windows_args+=("$arg")
    fi
  done
  rm -f linux.* windows.*
  local linux_status=0 windows_status=0
  "$linux_calc" "${linux_args[@]}" >linux.out 2>linux.err || linux_status=$?
  "$wine" "$windows_calc" "${windows_args[@]}" >windows.out 2>windows.err || windows_status=$?
  local problems=()
  [[ $linux_status == "$windows_status" ]] ||
    problems+=("exit status $linux_status on Linux, $windows_status on Windows")
  cmp -s linux.out windows.out || problems+=("standard output differs")
  cmp -s linux.err windows.err || problems+=("standard error differs")
  if [[ -e linux.txt || -e windows.txt ]]; then
    cmp -s linux.txt windows.txt || problems+=("saved files differ")
  fi
  if ((${#problems[@]} > 0)); then
    echo "FAIL $name: ${problems[*]}"
    failures=$((failures + 1))
    mkdir -p "failed/$name"
    cp linux.* windows.* "failed/$name/" 2>/dev/null || true
  else
    echo "ok   $name (exit $linux_status, $(wc -c <linux.out) bytes out$([[ -e linux.txt ]] && echo ", $(wc -c <linux.txt) bytes saved"))"
  fi
  if [[ $windows_status != "$expected_status" ]]; then
    echo "FAIL $name: exit status $windows_status, expected $expected_status"
    failures=$((failures + 1))
  fi
}

expected_status=0
compare pi-1000 ensyuuritu 1000 --save SAVE
compare factorial-3000 kaijou 3000 --save SAVE
compare factorise soinsuu2 999999866000004473 --save SAVE
compare ln-2 sizentaisuu 2 --save SAVE
compare power-1.5 ruijou 1.5 300 --save SAVE
compare product kakezan 1.5 1.5 --save SAVE
compare quotient warizan3 000123 0012 --save SAVE
compare decimal-power yuurisuubeki 1200 1600 --save SAVE
expected_status=2
compare refused-full-width ensyuuritu １２ --save SAVE
compare refused-letter ensyuuritu 12a
compare refused-long kakezan "$(printf '1%.0s' {1..5001})" 1

# Ctrl-C during a run: Wine delivers SIGINT to the program as CTRL_C_EVENT.
# It is sent once the first step counter shows the run has begun.
rm -f interrupt.*
"$wine" "$windows_calc" ruijou "$(printf '7%.0s' {1..100})" 10000 --progress \
  >interrupt.out 2>interrupt.err &
pid=$!
for _ in $(seq 400); do
  [[ -s interrupt.err ]] && break
  sleep 0.05
done
kill -INT "$pid"
status=0
wait "$pid" || status=$?
if [[ $status == 130 && ! -s interrupt.out ]]; then
  echo "ok   interrupt (exit 130, nothing on standard output)"
else
  echo "FAIL interrupt: exit $status, $(wc -c <interrupt.out) bytes on standard output"
  failures=$((failures + 1))
fi

echo "== $failures failure(s) of taketa-calc.exe after $(elapsed)"
((failures == 0))
cd "$root"

# taketa.exe on a screen, the installer and the zip.
"$wineserver" -k 2>/dev/null || true
scripts/test-windows-desktop.sh
echo "== Windows build and tests passed in $(elapsed)"
