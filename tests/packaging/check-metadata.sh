#!/usr/bin/env bash
# The desktop file and the AppStream metainfo pass their validators and name
# each other; the package's description names the years the program answers for.
# Usage: check-metadata.sh DESKTOP_FILE METAINFO_FILE README
set -euo pipefail
desktop=$1 metainfo=$2 readme=$3

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done

# Hints count too: the file should give the validator nothing to say.
out=$(desktop-file-validate "$desktop" 2>&1) || { echo "$out"; exit 1; }
[ -z "$out" ] || { echo "desktop-file-validate: $out"; exit 1; }
echo "desktop-file-validate: no remarks"

# No errors or warnings, and no remarks but the id's capitals and the http home page.
# AppStream 1.0 (Debian 13) also asks for its newer developer tag, which
# Debian 12's validator does not know yet: those two notes are not counted.
out=$(appstreamcli validate --no-net --pedantic "$metainfo") && echo "$out" || { echo "$out"; exit 1; }
remarks=$(grep '^[EWIP]: ' <<<"$out" | grep -cv -e 'developer-name-tag-deprecated' -e 'developer-info-missing' || true)
[ "$remarks" -le 2 ] || { echo "more remarks than the two known"; exit 1; }
# The README's pictures of the application (not Windows'), each with a caption.
for shot in $(grep -o 'docs/screenshots/[a-z]*\.png' "$readme" | sort -u); do
    grep -q "<image>https://.*/${shot##*/}</image>" "$metainfo" || { echo "$shot is not in the metainfo"; exit 1; }
done
captions=$(grep -c '<caption>..*</caption>' "$metainfo") images=$(grep -c '<image>' "$metainfo")
[ "$captions" -eq "$images" ] || { echo "$images pictures, $captions captions"; exit 1; }

# Software centres find the desktop file through the launchable, and the
# component id is the desktop file's name.
desktop_id=$(basename "$desktop")
grep -q "<launchable type=\"desktop-id\">$desktop_id</launchable>" "$metainfo" \
    || { echo "the metainfo does not launch $desktop_id"; exit 1; }
grep -q "<id>${desktop_id%.desktop}</id>" "$metainfo" \
    || { echo "the component id is not ${desktop_id%.desktop}"; exit 1; }
grep -qx 'Exec=starkindle' "$desktop" && grep -qx 'Icon=starkindle' "$desktop" \
    || { echo "Exec and Icon must name the installed binary and icon"; exit 1; }
# Each language of the program speaks in the menus and software centres too.
for language in de es fr it nl pl pt_BR ru; do
    grep -q "^Comment\[$language\]=" "$desktop" && grep -q "<summary xml:lang=\"$language\">" "$metainfo" &&
        grep -q "<p xml:lang=\"$language\">" "$metainfo" || { echo "no $language text in the metadata"; exit 1; }
done
# The years src/astro/Years.h defines: configured into the metainfo, and
# written by hand in debian/control, which dpkg reads before CMake runs.
years="1 January ${STARKINDLE_EARLIEST_YEAR:?the years come from CTest} to 31 December ${STARKINDLE_LATEST_YEAR:?}"
grep -q "$years" "$(dirname "$readme")/debian/control" || { echo "debian/control does not say: $years"; exit 1; }
grep -q "1 January $STARKINDLE_EARLIEST_YEAR to 31 December" "$metainfo" || { echo "the metainfo's years"; exit 1; }
echo "metadata consistent"
