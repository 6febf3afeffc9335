# Sourced by the end-to-end scripts: where Wine lives and how it is quieted.
WINE64=$(command -v wine64 || dpkg -L wine64 2>/dev/null | grep '/wine64$' | head -n1)
WINESERVER=$(command -v wineserver || ls /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver 2>/dev/null | head -n1)
[ -x "$WINE64" ] || { echo "wine64 not found (install the wine64 package)" >&2; exit 1; }
export WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installers, no desktop menu entries.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
