#!/usr/bin/env bash
# Builds the Debian package with dpkg-buildpackage from a copy of the source
# tree made under WORK_DIR (dpkg-buildpackage writes into the parent of the
# tree it builds, which must not be the parent of the checkout), then
# copies the .deb files into OUT_DIR. The .changes and .buildinfo stay in
# WORK_DIR beside the .deb files they name.
# Usage: build-deb.sh SOURCE_DIR WORK_DIR OUT_DIR
set -euo pipefail
src=$(cd "$1" && pwd)
work=$2 out=$3

version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
rm -rf "$work"
tree="$work/starkindle-$version"
mkdir -p "$tree" "$out"
work=$(cd "$work" && pwd)

# What git knows of, committed or not (build folders are ignored); outside
# a checkout, everything but the build folders.
if git -C "$src" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$src" && git ls-files -z --cached --others --exclude-standard) |
        while IFS= read -r -d '' f; do [ -e "$src/$f" ] && printf '%s\0' "$f"; done |
        tar -C "$src" --null -T - -cf - | tar -C "$tree" -xf -
else
    tar -C "$src" --exclude='./build*' -cf - . | tar -C "$tree" -xf -
fi

echo "dpkg-buildpackage in $tree (log: $work/build.log)"
options="parallel=${JOBS:-2}${DEB_BUILD_OPTIONS:+ $DEB_BUILD_OPTIONS}"
if ! (cd "$tree" && DEB_BUILD_OPTIONS=$options \
        dpkg-buildpackage -us -uc -b) >"$work/build.log" 2>&1; then
    tail -40 "$work/build.log"
    echo "dpkg-buildpackage failed; the whole log is $work/build.log" >&2
    exit 1
fi
for deb in "$work"/*.deb; do
    cp "$deb" "$out/"
    echo "$out/$(basename "$deb")"
done
