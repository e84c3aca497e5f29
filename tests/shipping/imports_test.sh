#!/usr/bin/env bash
# Kerovia.exe and addfile.exe are self-contained: every DLL they import is Windows' own.
#   imports_test.sh OBJDUMP EXE...
set -euo pipefail
objdump=$1
shift
# Windows' own libraries (msvcrt.dll ships with every Windows since XP).
allowed=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll mpr.dll msimg32.dll
 msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll "
status=0
for exe in "$@"; do
  dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || { echo "FAIL: $exe: no import table read"; status=1; continue; }
  for dll in $dlls; do
    case "$allowed" in
      *" $dll "*) ;;
      *) echo "FAIL: $(basename "$exe") imports $dll, which is not part of Windows"; status=1 ;;
    esac
  done
  echo "$(basename "$exe"): $(echo $dlls | tr ' ' ',') ($(stat -c %s "$exe") bytes)"
done
exit $status
