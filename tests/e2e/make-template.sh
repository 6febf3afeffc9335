#!/usr/bin/env bash
# Boots one Wine prefix for a whole test run; each test copies it.
#   make-template.sh <prefix-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
prefix=$1
rm -rf "$prefix" "$prefix.home"
mkdir -p "$prefix.home"
export WINEPREFIX=$prefix HOME=$prefix.home
"$WINE64" wineboot -i >/dev/null 2>&1
# A crash must end the program at once with its exit code: the crash debugger
# starts without asking and is a program that does not exist. Hiding a window
# must not stall.
aedebug='HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug'
"$WINE64" reg add "$aedebug" /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1
"$WINE64" reg add "$aedebug" /v Debugger /t REG_SZ /d 'no-crash-debugger.exe %ld %ld' /f >/dev/null 2>&1
"$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
"$WINESERVER" -w
echo "template prefix ready: $prefix"
