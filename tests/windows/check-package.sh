#!/usr/bin/env bash
# Makes a Windows package with cpack and tries it in a fresh Wine prefix: the
# zip must hold the program and what it loads, and the unpacked program
# starts; the setup must be a 64-bit program, and is installed, started and
# uninstalled.
#   check-package.sh BUILD_DIR CPACK NAME    (NAME: the .zip or the setup .exe)
set -euo pipefail
build=$1 cpack=$2 name=$3
here="$(cd "$(dirname "$0")" && pwd)"
case $name in
*.zip) generator=ZIP ;;
*.exe) generator=NSIS ;;
*) echo "usage: $0 BUILD_DIR CPACK NAME.zip|NAME.exe" >&2; exit 2 ;;
esac

(cd "$build" && "$cpack" -G "$generator" >/dev/null)
package="$build/$name"
[ -f "$package" ] || { echo "FAIL: $package was not made"; exit 1; }

if [ "$generator" = NSIS ]; then
    # A 32-bit setup does not start under a 64-bit-only Wine, which still
    # reports success.
    kind=$(file -b "$package")
    grep -q '^PE32+ executable (GUI) x86-64' <<<"$kind" || { echo "FAIL: $name is a $kind"; exit 1; }
    echo "ok: $name, $(stat -c %s "$package") bytes: $kind"
    # It speaks the system's language where NSIS has it, its own two messages too.
    for language in German French Spanish PortugueseBR Italian Dutch Polish Russian; do
        grep -q "MUI_LANGUAGE \"$language\"" "$build"/_CPack_Packages/*/NSIS/project.nsi ||
            { echo "FAIL: the setup has no $language"; exit 1; }
    done
    grep -q 'Languages.nsh' "$build"/_CPack_Packages/*/NSIS/project.nsi || echo "note: CPack's own two messages are English only"
    exec "$here/wine_app.sh" setup "$package"
fi

listing=$(unzip -Z1 "$package")
status=0
for entry in starkindle.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
             libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll NOTICES.txt licenses/LGPL-3 licenses/GPL-3; do
    grep -qx "$entry" <<<"$listing" || { echo "FAIL: $entry missing from the zip"; status=1; }
done
[ $status -eq 0 ] || { echo "$listing"; exit 1; }
echo "ok: $name, $(stat -c %s "$package") bytes:"
unzip -l "$package" | sed 's/^/    /'
"$here/wine_app.sh" package "$package"
