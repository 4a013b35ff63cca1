#!/usr/bin/env bash
# The desktop file and the AppStream metainfo pass their validators and name
# each other.
# Usage: check-metadata.sh DESKTOP_FILE METAINFO_FILE
set -euo pipefail
desktop=$1 metainfo=$2

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done

# Hints count too: the file should give the validator nothing to say.
out=$(desktop-file-validate "$desktop" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "desktop-file-validate: $out"; exit 1; }
echo "desktop-file-validate: no remarks"

# Fails on errors and warnings; infos and pedantic remarks are printed.
appstreamcli validate --no-net --pedantic "$metainfo"

# Software centres find the desktop file through the launchable, and the
# component id is the desktop file's name.
desktop_id=$(basename "$desktop")
grep -q "<launchable type=\"desktop-id\">$desktop_id</launchable>" "$metainfo" \
    || { echo "the metainfo does not launch $desktop_id"; exit 1; }
grep -q "<id>${desktop_id%.desktop}</id>" "$metainfo" \
    || { echo "the component id is not ${desktop_id%.desktop}"; exit 1; }
grep -qx 'Exec=starkindle' "$desktop" && grep -qx 'Icon=starkindle' "$desktop" \
    || { echo "Exec and Icon must name the installed binary and icon"; exit 1; }
echo "metadata consistent"
