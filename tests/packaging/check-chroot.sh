#!/usr/bin/env bash
# Installs the package into a fresh minbase of the running release (debootstrap from apt's mirror, cached in ~/.cache/starkindle),
# expects the one-line refusal without a display, purges it with what it brought: the system must be as before.
# Usage: check-chroot.sh DEB_DIR VERSION
set -euo pipefail
deb=$(echo "$1"/starkindle_"$2"_*.deb) version=$2
skip() { echo "SKIPPED: $*"; exit 77; } && fail() { echo "FAIL: $*"; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "debootstrap and chroot need root"
command -v debootstrap >/dev/null || skip "debootstrap is not installed (scripts/install-deps.sh package)"
[ -f "$deb" ] || fail "no package at $deb (the package_deb test builds it)"
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$release" ] || skip "/etc/os-release names no release"
mirror=$(apt-get indextargets --format '$(SITE) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    awk -v release="$release" '$2 == release && $3 == "main" { print $1; exit }')
[ -n "$mirror" ] || skip "apt here has no $release main mirror configured"
cache=${XDG_CACHE_HOME:-$HOME/.cache}/starkindle
work=$(mktemp -d) && root=$work/root && mkdir -p "$root" "$cache/archives"
trap 'rm -rf "$work"' EXIT
base=$cache/$release-minbase.tar
if [ ! -f "$base" ]; then
    debootstrap --variant=minbase "$release" "$root" "$mirror" >"$work/log" 2>&1 || { tail -5 "$work/log"; skip "debootstrap of $release failed from $mirror"; }
    tar -C "$root" -cf "$cache/part.tar" . && mv "$cache/part.tar" "$base"
fi
tar -C "$root" -xf "$base"
cp /etc/resolv.conf "$root/etc/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive HOME=/root "$@"; }
in_root apt-get update -q --error-on=any >"$work/log" 2>&1 || { cat "$work/log"; skip "$mirror cannot be reached"; }
# Name, type and mode of everything but apt's and dpkg's records, caches and logs.
snapshot() { (cd "$root" && find . -xdev \( -path ./proc -o -path ./sys -o -path ./dev -o -path ./tmp -o -path ./run \
    -o -path ./var/cache -o -path ./var/lib/apt -o -path ./var/lib/dpkg -o -path ./var/log \) -prune -o -printf '%p %y %m\n' | sort); }
snapshot >"$work/before"
cp "$cache"/archives/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
cp "$deb" "$root/tmp/starkindle.deb"
in_root apt-get install -y -q --no-install-recommends /tmp/starkindle.deb >"$work/log" 2>&1 || { tail -20 "$work/log"; fail "apt-get install"; }
cp -n "$root"/var/cache/apt/archives/*.deb "$cache/archives/" 2>/dev/null || true
echo "ok: installed with $(grep -c '^Setting up ' "$work/log") packages"
[ "$(in_root starkindle --version)" = "starkindle $version" ] || fail "--version: $(in_root starkindle --version 2>&1)"
refuses() { # VARIABLES LINE: ends with status 1, saying just that line
    local rc=0 && in_root $1 starkindle >"$work/out" 2>&1 || rc=$? # split on purpose
    [ $rc -eq 1 ] && [ "$(cat "$work/out")" = "$2" ] || fail "with '$1': status $rc, said: $(cat "$work/out")"
    echo "ok: with '$1': $2"
}
refuses "" "starkindle: no display could be opened (DISPLAY is not set); start it from a graphical session"
refuses WAYLAND_DISPLAY=wayland-0 "starkindle: no display could be opened: no X display, and the Wayland platform plugin is not installed (qt6-wayland)"
in_root apt-get purge -y -q --autoremove starkindle >"$work/log" 2>&1 || { cat "$work/log"; fail "apt-get purge"; }
! in_root dpkg -s starkindle >/dev/null 2>&1 || fail "dpkg still knows starkindle after the purge"
rm "$root/tmp/starkindle.deb"
diff "$work/before" <(snapshot) || fail "the purge left the system changed (< before, > after)"
echo "ok: purged with $(grep -c '^Removing ' "$work/log") packages; nothing is left"
