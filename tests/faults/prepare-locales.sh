#!/bin/sh
# Compiles the locales the zone matrix runs under into DIR (its LOCPATH), once:
# a locale already there is kept, so a later run costs nothing. The system
# needs none of them generated, only their sources (the locales package).
#   prepare-locales.sh DIR LOCALE...
set -eu
dir=$1
shift
mkdir -p "$dir"
pids=""
for locale in "$@"; do
    [ -f "$dir/$locale.UTF-8/LC_CTYPE" ] && continue
    # Into a temporary name first, so an interrupted run leaves no half locale.
    (
        rm -rf "$dir/$locale.UTF-8.new"
        status=0
        localedef -i "$locale" -f UTF-8 "$dir/$locale.UTF-8.new" || status=$?
        # Status 1 means warnings only; the locale is still written.
        [ "$status" -le 1 ] && [ -f "$dir/$locale.UTF-8.new/LC_CTYPE" ] ||
            { echo "localedef $locale failed ($status); the locales package is needed" >&2; exit 1; }
        rm -rf "$dir/$locale.UTF-8"
        mv "$dir/$locale.UTF-8.new" "$dir/$locale.UTF-8"
    ) &
    pids="$pids $!"
done
status=0
for pid in $pids; do wait "$pid" || status=1; done
exit $status
