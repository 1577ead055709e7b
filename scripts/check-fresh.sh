#!/usr/bin/env bash
# Runs the README's test command on a fresh Debian: makes a minimal root of
# SUITE with debootstrap, copies this source tree into it without .git (as
# a release tarball carries it) under /root, where a newcomer who clones as
# root has it (a folder other users cannot enter), and runs scripts/test.sh
# there as root, the way CI does. Takes about a quarter of an hour; not part of CI.
# Usage: scripts/check-fresh.sh bookworm|trixie   (as root)
# The Debian mirror is the one this machine's apt uses (MIRROR= overrides).
set -euo pipefail
suite=${1:?usage: check-fresh.sh bookworm|trixie}
root=$(cd "$(dirname "$0")/.." && pwd)
[[ $(id -u) -eq 0 ]] || { echo "check-fresh.sh runs as root (debootstrap, chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || { apt-get update -q && apt-get install -y -q debootstrap; }

mirror=${MIRROR:-$(cat /etc/apt/sources.list.d/*.sources /etc/apt/sources.list 2>/dev/null |
  grep -oE '^(URIs:|deb) +[^ ]+/debian/?( |$)' | awk '{print $2}' | head -1 || true)}
[[ -n $mirror ]] || { echo "no Debian mirror found in apt's sources; set MIRROR" >&2; exit 1; }

work=$(mktemp -d /var/tmp/halvero-fresh-XXXXXX)
fresh=$work/root
cleanup() {
  for m in dev/shm dev/pts dev sys proc; do umount -l "$fresh/$m" 2>/dev/null || true; done
  rm -rf --one-file-system "$work"
}
trap cleanup EXIT

echo "== debootstrap $suite from $mirror"
debootstrap --variant=minbase "$suite" "$fresh" "$mirror" >"$work/debootstrap.log" 2>&1 ||
  { tail -20 "$work/debootstrap.log"; exit 1; }
echo "deb $mirror $suite main" >"$fresh/etc/apt/sources.list"
cp /etc/resolv.conf "$fresh/etc/resolv.conf"
# The machine's own extra certificate authorities, as its name service:
# where its network reaches the registries through a proxy of its own, the
# fresh root must trust what this machine trusts.
extra_ca=()
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
  mkdir -p "$fresh/usr/local/share/ca-certificates"
  cp /usr/local/share/ca-certificates/*.crt "$fresh/usr/local/share/ca-certificates/"
fi
if [[ -n ${NODE_EXTRA_CA_CERTS:-} && -f $NODE_EXTRA_CA_CERTS ]]; then
  cp "$NODE_EXTRA_CA_CERTS" "$fresh/etc/extra-ca-certificates.pem"
  extra_ca=(NODE_EXTRA_CA_CERTS=/etc/extra-ca-certificates.pem)
fi
mkdir -p "$fresh/root/halvero"
chmod 700 "$fresh/root"
tar -C "$root" --exclude=./.git --exclude='./build*' -cf - . | tar -C "$fresh/root/halvero" -xf -
mount -t proc proc "$fresh/proc"
mount -t sysfs sys "$fresh/sys"
mount --bind /dev "$fresh/dev"
mount --bind /dev/pts "$fresh/dev/pts"
mount -t tmpfs tmpfs "$fresh/dev/shm"

echo "== the README's test command on a fresh $suite"
start=$(date +%s)
status=0
chroot "$fresh" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root CI=true "${extra_ca[@]}" \
  bash -c 'cd /root/halvero && bash scripts/test.sh' || status=$?
echo "== $suite: exit status $status after $(( $(date +%s) - start )) s"
exit "$status"
