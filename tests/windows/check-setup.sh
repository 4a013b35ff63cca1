#!/usr/bin/env bash
# Makes the Windows setup with cpack, checks that it is a 64-bit program,
# then installs, starts and uninstalls it in a fresh Wine prefix.
#   check-setup.sh BUILD_DIR CPACK SETUP_NAME
set -euo pipefail
build=$1 cpack=$2 name=$3
here="$(cd "$(dirname "$0")" && pwd)"

(cd "$build" && "$cpack" -G NSIS >/dev/null)
setup="$build/$name"
[ -f "$setup" ] || { echo "FAIL: $setup was not made"; exit 1; }
# A 32-bit setup does not start under a 64-bit-only Wine, which still
# reports success.
kind=$(file -b "$setup")
grep -q '^PE32+ executable (GUI) x86-64' <<<"$kind" || { echo "FAIL: $name is a $kind"; exit 1; }
echo "ok: $name, $(stat -c %s "$setup") bytes: $kind"
"$here/wine_app.sh" setup "$setup"
