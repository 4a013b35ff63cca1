#!/usr/bin/env bash
# Makes the Windows zip with cpack, checks what it holds, then starts the
# unpacked program in a fresh Wine prefix.
#   check-zip.sh BUILD_DIR CPACK ZIP_NAME
set -euo pipefail
build=$1 cpack=$2 name=$3
here="$(cd "$(dirname "$0")" && pwd)"

(cd "$build" && "$cpack" -G ZIP >/dev/null)
zip="$build/$name"
[ -f "$zip" ] || { echo "FAIL: $zip was not made"; exit 1; }

listing=$(unzip -Z1 "$zip")
status=0
for entry in starkindle.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
             libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    grep -qx "$entry" <<<"$listing" || { echo "FAIL: $entry missing from the zip"; status=1; }
done
[ $status -eq 0 ] || { echo "$listing"; exit 1; }
echo "ok: $(basename "$zip"), $(stat -c %s "$zip") bytes:"
unzip -l "$zip" | sed 's/^/    /'
"$here/wine_app.sh" package "$zip"
