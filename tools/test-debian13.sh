#!/usr/bin/env bash
# Runs the README's test command, as it stands, on a fresh and minimal Debian 13: makes a
# root with debootstrap, clones COMMIT of this checkout into it (HEAD if none is given) and
# runs the command there as root, as a new user of that release would; then, there too,
# tools/check-reproducible.sh.
#   bash tools/test-debian13.sh [COMMIT]
# Needs root, git and debootstrap, and reaches the Debian mirror only. Where the machine keeps
# /var/cache/d7aduzad-ci (D7ADUZAD_CI_CACHE names another folder), the base root is kept
# there as a tarball for a week and the packages apt fetches as an archive: without them a
# run only takes longer. The root is made under ${TMPDIR:-/var/tmp} and removed afterwards,
# unless D7ADUZAD_KEEP_ROOT=1.
set -euo pipefail

suite=trixie
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
security_mirror=${DEBIAN_SECURITY_MIRROR:-http://deb.debian.org/debian-security}
cache=${D7ADUZAD_CI_CACHE:-/var/cache/d7aduzad-ci}
base_tarball=$cache/$suite-minbase.tar.gz

[ "$(id -u)" -eq 0 ] || { echo "$0: run it as root (debootstrap, chroot and mounts need it)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "$0: debootstrap is missing (apt-get install debootstrap)" >&2; exit 2; }
source_dir=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$source_dir" rev-parse --verify "${1:-HEAD}^{commit}")

# The cache is shared by runs one after another, not at the same time: a run that finds it
# taken goes without.
use_cache=0
if mkdir -p "$cache/archives/partial" 2>/dev/null && exec 9>"$cache/lock" && flock -n 9; then
    use_cache=1
else
    echo "The cache in $cache is not usable now: going without it."
fi

root=$(mktemp -d "${TMPDIR:-/var/tmp}/d7aduzad-$suite.XXXXXX")
mounted=()
child=""
# In the background, so that an interruption is acted on at once rather than once the command
# is done.
run() {
    "$@" &
    child=$!
    local status=0
    wait "$child" || status=$?
    child=""
    return "$status"
}
cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    set +e
    [ -z "$child" ] || kill -TERM "$child" 2>/dev/null
    # Whatever the run left going inside (an X server, a Wine server, a compositor) holds
    # the mounts.
    local proc
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill -KILL "${proc#/proc/}" 2>/dev/null
    done
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount --lazy "${mounted[i]}" ||
            echo "Could not unmount ${mounted[i]}" >&2
    done
    if findmnt --list --noheadings --output TARGET | grep -q "^$root/"; then
        echo "Something is still mounted under $root: left in place" >&2
    elif [ "${D7ADUZAD_KEEP_ROOT:-0}" = 1 ]; then
        echo "The root is kept in $root"
    else
        rm -rf --one-file-system "$root"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

now() { date +%s; }
started=$(now)

make_root() {
    run debootstrap --variant=minbase "$suite" "$root" "$mirror"
    # Sources as the installer writes them, with the updates and security suites.
    rm -f "$root/etc/apt/sources.list"
    cat >"$root/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $suite $suite-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security_mirror
Suites: $suite-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    chroot "$root" apt-get clean
}

if [ "$use_cache" = 1 ] && [ -n "$(find "$base_tarball" -mtime -7 2>/dev/null)" ] &&
   tar -xzf "$base_tarball" -C "$root" 2>/dev/null; then
    echo "Debian 13 base root taken from $base_tarball"
else
    find "$root" -mindepth 1 -delete
    make_root
    if [ "$use_cache" = 1 ]; then
        tar -czf "$base_tarball.new" -C "$root" . && mv "$base_tarball.new" "$base_tarball" ||
            rm -f "$base_tarball.new"
    fi
fi
# Its / as any system has it (mktemp made it private): apt downloads as a user of its own.
chmod 755 "$root"
root_ready=$(now)

bind() {
    mount --bind "$1" "$root$1"
    mounted+=("$root$1")
}
bind /proc
bind /sys
bind /dev
bind /dev/pts
# A /dev/shm of its own, so that nothing the run leaves there stays on the machine.
mount -t tmpfs -o mode=1777,nosuid,nodev tmpfs "$root/dev/shm"
mounted+=("$root/dev/shm")
if [ "$use_cache" = 1 ]; then
    mount --bind "$cache/archives" "$root/var/cache/apt/archives"
    mounted+=("$root/var/cache/apt/archives")
fi
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# The certificates this machine trusts beyond Debian's own, such as a proxy's: the root's
# certificate store takes them in when apt installs it, and npm, which fetches the web test's
# packages, checks the registry against that store.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
fi

git clone --quiet --no-hardlinks --no-checkout "$source_dir" "$root/root/d7aduzad"
git -C "$root/root/d7aduzad" checkout --quiet --detach "$commit"

readme_command=$(sh "$source_dir/tools/readme-test-command.sh" "$root/root/d7aduzad/README.md")

echo "Debian 13 at $commit: $readme_command"
inside() {
    run chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -lc "cd /root/d7aduzad && $1"
}
status=0
inside "$readme_command" || status=$?
tested=$(now)
# Then, where the commit has the check, two builds of its packages compared byte for byte.
reproducible=0
if [ -f "$root/root/d7aduzad/tools/check-reproducible.sh" ]; then
    inside "bash tools/check-reproducible.sh" || reproducible=$?
fi
finished=$(now)
echo "Debian 13: root ready in $((root_ready - started)) s, README test command took" \
     "$((tested - root_ready)) s, exit status $status; reproducible builds" \
     "$((finished - tested)) s, exit status $reproducible"
[ "$status" -eq 0 ] && [ "$reproducible" -eq 0 ]
