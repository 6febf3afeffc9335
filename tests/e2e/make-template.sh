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
# A crash must not start the debugger and hang; hiding a window must not stall.
"$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1 /f >/dev/null 2>&1
"$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
"$WINESERVER" -w
echo "template prefix ready: $prefix"
