#!/usr/bin/env bash
# Installs the package into a fresh minimal Debian bookworm (debootstrap
# minbase, from the mirror apt uses on this machine), starts it there without
# a display and expects the one-line refusal, then purges it with what it
# brought along and checks that the system is as before.
# The bare system is kept as a tarball in ~/.cache/starkindle, and the
# downloaded packages beside it.
# Usage: check-chroot.sh DEB VERSION
set -euo pipefail
deb=$1 version=$2

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "debootstrap and chroot need root"
command -v debootstrap >/dev/null || skip "debootstrap is not installed (scripts/install-deps.sh package)"
[ -f "$deb" ] || fail "no package at $deb (the package_deb test builds it)"

mirror=$(apt-get indextargets --format '$(SITE) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    awk '$2 == "bookworm" && $3 == "main" { print $1; exit }')
[ -n "$mirror" ] || skip "apt here has no bookworm main mirror configured"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/starkindle
mkdir -p "$cache/archives"

work=$(mktemp -d)
root=$work/root
trap 'rm -rf "$work"' EXIT
mkdir "$root"
if [ -f "$cache/bookworm-minbase.tar" ]; then
    tar -C "$root" -xf "$cache/bookworm-minbase.tar"
else
    echo "debootstrap --variant=minbase bookworm from $mirror"
    if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1; then
        tail -5 "$work/debootstrap.log"
        skip "debootstrap could not make a bookworm system from $mirror"
    fi
    tar -C "$root" -cf "$cache/bookworm-minbase.tar.part" . && mv "$cache/bookworm-minbase.tar.part" "$cache/bookworm-minbase.tar"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -q --error-on=any >"$work/update.log" 2>&1 || { cat "$work/update.log"; skip "the mirror $mirror cannot be reached from the chroot"; }

# Everything but the package manager's own records, caches, logs and
# scratch space: name, type and mode.
snapshot() {
    (cd "$root" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./tmp -o -path ./run \
        -o -path ./var/cache -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/log \) -prune \
        -o -printf '%p %y %m\n' | sort)
}
snapshot >"$work/before"

cp "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
cp "$deb" "$root/tmp/starkindle.deb"
started=$SECONDS
in_root apt-get install -y -q --no-install-recommends /tmp/starkindle.deb >"$work/install.log" 2>&1 ||
    { tail -20 "$work/install.log"; fail "apt-get could not install the package"; }
cp -n "$root"/var/cache/apt/archives/*.deb "$cache/archives/" 2>/dev/null || true
echo "ok: installed with $(grep -c '^Setting up ' "$work/install.log") packages in $((SECONDS - started)) s"

[ "$(in_root starkindle --version)" = "starkindle $version" ] || fail "--version: $(in_root starkindle --version 2>&1)"
echo "ok: --version: starkindle $version"
# Columns: the environment, then the one line expected on standard error.
while IFS='|' read -r environment line; do
    rc=0
    # shellcheck disable=SC2086 # the variables are split on purpose
    in_root $environment starkindle >"$work/out" 2>"$work/err" || rc=$?
    [ $rc -eq 1 ] && [ "$(cat "$work/err")" = "$line" ] && [ ! -s "$work/out" ] ||
        fail "with '$environment': status $rc, said: $(cat "$work/out" "$work/err")"
    echo "ok: with '$environment': $line"
done <<'ROWS'
HOME=/root|starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session
HOME=/root WAYLAND_DISPLAY=wayland-0|starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)
ROWS

in_root dpkg -L starkindle | sort >"$work/owned"
in_root apt-get purge -y -q --autoremove starkindle >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge"; }
! in_root dpkg -s starkindle >/dev/null 2>&1 || fail "starkindle is still known to dpkg after the purge"
rm -f "$root/tmp/starkindle.deb"
snapshot >"$work/after"
diff "$work/before" "$work/after" || fail "the purge left the system changed (< before, > after)"
echo "ok: purged with $(grep -c '^Removing ' "$work/purge.log") packages; none of its $(wc -l <"$work/owned") entries or anything else is left"
