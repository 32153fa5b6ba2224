#!/usr/bin/env bash
# Runs a command in a clone of this repository inside a new minimal root of
# a Debian release, as root, and removes the root again.
#
# Usage, from the repository root, as root:
#   bash tools/in_debian_root.sh SUITE COMMAND...
# e.g. bash tools/in_debian_root.sh trixie bash .ci/release-checks
#
# The root has what a new machine of that release has (apt, git, sudo,
# certificates); the command installs the rest itself. The clone is of the
# current commit; the environment is a plain one, with CI and
# VOLVENDA_DEBIAN_ROOT (the suite) passed in, and the machine's /dev, /proc
# and /sys as a container would give them.
set -euo pipefail
suite=$1
shift
[ "$(id -u)" = 0 ] || { echo "in_debian_root: needs root (chroot, mount)"; exit 2; }
source=$(git rev-parse --show-toplevel)

if ! command -v mmdebstrap >/dev/null; then
    apt-get update -qq && apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null
fi

# The root is unpacked from a new one made at most a week ago, brought up to
# date by the command as any new machine is (.ci/release-checks does).
cache=/var/tmp/volvenda-root-$suite.tar
echo "== a new root"
started=$SECONDS
if [ -z "$(find "$cache" -mtime -7 2>/dev/null)" ]; then
    mmdebstrap --quiet --variant=apt --format=tar --include=ca-certificates,git,sudo "$suite" "$cache.new" >"$cache.log" 2>&1 \
        || { echo "could not make a $suite root:"; tail -n 20 "$cache.log"; rm -f "$cache.new"; exit 1; }
    mv "$cache.new" "$cache" && rm -f "$cache.log"
fi
root=$(mktemp -d "/var/tmp/volvenda-$suite.XXXXXX")
cleanup() {
    for mount in sys dev proc; do
        umount -R "$root/$mount" 2>/dev/null || true
    done
    rm -rf --one-file-system "$root"
}
trap cleanup EXIT
trap 'exit 143' TERM INT
tar -C "$root" -xf "$cache"
echo "-- a new root: $((SECONDS - started)) s"
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q "$source" "$root/src"
# The screen-reader tool, where .ci/release-checks looks for it: beside the clone.
source "$source/.ci/parts.sh"
screen_reader=$(shared_tool screen-reader)
if [ -n "$screen_reader" ]; then
    mkdir -p "$root/shared/tools" && cp "$screen_reader" "$root/shared/tools/"
fi
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"

quoted=$(printf ' %q' "$@")
chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    LANG=C.UTF-8 CI="${CI:-}" VOLVENDA_DEBIAN_ROOT="$suite" /bin/bash -c "cd /src &&$quoted" </dev/null
