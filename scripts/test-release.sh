#!/usr/bin/env bash
# The README's two commands on a fresh minimal system of another Debian
# release, in a chroot: the committed tree (git archive) is built and started
# by a user of the sudo group with `make run`, which installs what it needs
# through sudo; then root runs `make test` in the same tree, installing the
# rest without sudo; then the user's second look must find nothing to
# install. With --user-test the user runs `make test` first too (the checks
# that need root are skipped there). The minimal system comes from
# debootstrap, from the mirror apt uses here, and is kept as a tar in the
# cache folder, which the package check inside reuses rather than running
# debootstrap in the chroot.
# Needs root. Usage: test-release.sh RELEASE [--user-test] [MAKE-VARIABLE=VALUE...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 RELEASE [--user-test] [MAKE-VARIABLE=VALUE...]" >&2; exit 2; }
release=$1 && shift
user_test=""
[ "${1:-}" != --user-test ] || { user_test=1; shift; }
src=$(cd "$(dirname "$0")/.." && pwd)
say() { echo "test-release $release: $*"; }
[ "$(id -u)" -eq 0 ] || { say "needs root (debootstrap, chroot, mount)" >&2; exit 2; }
command -v debootstrap >/dev/null || { say "debootstrap is not installed (scripts/install-deps.sh package)" >&2; exit 2; }
started=$SECONDS

# The mirrors apt uses for this release's suites (main, -updates,
# -security) serve the same suites of the other release.
host=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
suites=$(apt-get indextargets --format '$(SITE) $(RELEASE)' 'Created-By: Packages' 'Origin: Debian' 'Component: main' |
    awk -v r="$host" '$2 == r || index($2, r "-") == 1' | sort -u)
mirror=$(awk -v r="$host" '$2 == r { print $1; exit }' <<<"$suites")
[ -n "$host" ] && [ -n "$mirror" ] || { say "apt here has no Debian main mirror for ${host:-this release}" >&2; exit 1; }

cache=${STARKINDLE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/starkindle}
base=$cache/$release-minbase.tar
work=$src/build/release-$release root=$src/build/release-$release/root
mkdir -p "$cache" "$work"
# Nothing of ours may be mounted below the root when it is removed.
remove_root() {
    if findmnt -rn -o TARGET | grep -q "^$root/"; then
        say "something is still mounted under $root; left in place" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}
remove_root

exec 9>"$cache/$release-minbase.lock"
flock 9
if [ ! -f "$base" ]; then
    say "debootstrap --variant=minbase from $mirror"
    debootstrap --variant=minbase "$release" "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        { tail -20 "$work/debootstrap.log"; say "debootstrap failed" >&2; exit 1; }
    tar -C "$root" -cf "$cache/$release-part.tar" . && mv "$cache/$release-part.tar" "$base"
    remove_root
fi
flock -u 9
mkdir -p "$root"
tar -C "$root" -xf "$base"
say "minimal system ready after $((SECONDS - started)) s"

while read -r site suite; do
    echo "deb $site ${suite/#$host/$release} main"
done <<<"$suites" >"$root/etc/apt/sources.list"
cp /etc/resolv.conf "$root/etc/"
# Package scripts start no services in the chroot.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" && chmod 755 "$root/usr/sbin/policy-rc.d"
mkdir -p "$root/root/.cache/starkindle"
cp "$base" "$root/root/.cache/starkindle/"

# The user: in the sudo group, whose sudo asks no password (nobody is there
# to type it). sudo comes with the system, as on a desktop install, and make
# is what the README asks for before its commands.
tree=/home/builder/starkindle
git -C "$src" archive --prefix=starkindle/ HEAD | tar -C "$work" -xf -
trap 'say "failed after $((SECONDS - started)) s; the system is left in $root"' EXIT
unshare --mount --pid --fork --propagation private bash -euo pipefail -c '
    root=$1 work=$2 tree=$3 release=$4 user_test=$5
    shift 5
    # Private to this namespace: gone with it, whatever ends it.
    trap "umount -R \"\$root/dev\" \"\$root/sys\" \"\$root/proc\" 2>/dev/null || true" EXIT
    # The root a mount point of its own, as on a real system: tests that
    # make a mount namespace of their own need one there.
    mount --bind "$root" "$root"
    mount -t proc proc "$root/proc"
    mount -t sysfs -o ro sysfs "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
    in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }
    as_user() { in_root runuser -u builder -- /usr/bin/env HOME=/home/builder USER=builder LOGNAME=builder \
        bash -c "cd $tree && $*"; }
    in_root apt-get -q update >"$work/setup.log" 2>&1 &&
        in_root apt-get -q install -y --no-install-recommends sudo make >>"$work/setup.log" 2>&1 ||
        { cat "$work/setup.log"; echo "test-release $release: could not install sudo and make" >&2; exit 1; }
    in_root useradd -m -G sudo -s /bin/bash builder
    echo "Defaults:builder !authenticate" >"$root/etc/sudoers.d/builder"
    mv "$work/starkindle" "$root$tree"
    in_root chown -R builder:builder "$tree"
    step() { echo "test-release $release: $1 ($(date +%T))"; }
    step "make run $* as builder"
    as_user make run "$@"
    [ -s "$root$tree/build/screenshots/main.png" ] || { echo "make run left no picture of the main window" >&2; exit 1; }
    if [ -n "$user_test" ]; then
        step "make test $* as builder"
        as_user make test "$@"
    fi
    step "make test $* as root"
    in_root HOME=/root bash -c "cd $tree && make test $*"
    step "a second look installs nothing"
    left=$(as_user scripts/install-deps.sh test 2>&1) || { echo "$left"; exit 1; }
    [ -z "$left" ] || { echo "$left"; echo "install-deps.sh still finds something to install" >&2; exit 1; }
' bash "$root" "$work" "$tree" "$release" "$user_test" "$@"
trap - EXIT
say "passed in $((SECONDS - started)) s"
remove_root
