#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a build, checks it with lintian, installs it into this machine with
# apt-get, uses what it installed (numerette-tape, and numerette on a virtual X display), removes it
# and checks that nothing of it is left. It changes the machine, so it needs root, runs alone and
# skips (status 77) when numerette is already installed here by someone else.
#   package_test.sh BUILD-DIR
set -uo pipefail

readonly SkipStatus=77 Package=numerette
readonly here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
build=$(readlink -f "${1:?usage: package_test.sh BUILD-DIR}")

skip() { echo "package_test: skipped: $*" >&2; exit "$SkipStatus"; }
fail() { echo "package_test: FAILED: $*" >&2; exit 1; }
installed() { [[ $(dpkg-query -W -f='${db:Status-Status}' "$Package" 2>/dev/null) == installed ]]; }

(( EUID == 0 )) || skip "installing a package into the machine needs root (CI runs as root)"
installed && skip "$Package is already installed on this machine; this test would remove it"
for tool in cpack apt-get lintian dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps test)"
done

# Each step has a time limit of its own, so that the script always reaches its clean-up before
# CTest's limit (600 s) would kill it with the package still installed. apt waits for a dpkg lock
# that another apt holds rather than failing at once.
apt=(timeout 300 env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 -y -q)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/numerette-package.XXXXXX") || exit 1
# apt reads a local package as its unprivileged user.
chmod 755 "$scratch"
cleanup() {
    if installed; then
        "${apt[@]}" purge "$Package" >/dev/null 2>&1 \
            || echo "package_test: could not remove $Package; remove it by hand" >&2
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

echo "package_test: making the package"
timeout 120 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
debs=("$scratch"/numerette_*_amd64.deb)
[[ -f ${debs[0]} ]] || fail "no numerette_<version>_amd64.deb in $scratch"
deb=${debs[0]}
echo "package_test: $(basename "$deb")"

echo "package_test: lintian"
timeout 120 lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1
lintian_status=$?
# Warnings and notes are shown but pass; lintian's remark that it runs as root is left out.
grep -v 'running with root privileges' "$scratch/lintian.log"
(( lintian_status == 0 )) || fail "lintian reports errors"

echo "package_test: apt-get install"
(cd "$scratch" && "${apt[@]}" install --no-install-recommends "./$(basename "$deb")") \
    >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; fail "apt-get install"; }
installed || fail "$Package is not installed after apt-get install"
mapfile -t files < <(dpkg-query -L "$Package" | while read -r path; do [[ -f $path ]] && echo "$path"; done)
(( ${#files[@]} > 0 )) || fail "the package installed no files"

version=$(dpkg-query -W -f='${Version}' "$Package")
[[ $(/usr/bin/numerette-tape --version | head -n 1) == "numerette-tape $version" ]] \
    || fail "numerette-tape --version does not say $version"
[[ $(/usr/bin/numerette --version | head -n 1) == "numerette $version" ]] \
    || fail "numerette --version does not say $version"
total=$(echo '5+3=' | /usr/bin/numerette-tape --format 20)
grep -qx '  *8\.00 T' <<<"$total" || fail "the installed numerette-tape did not add 5 and 3:"$'\n'"$total"

echo "package_test: numerette on a virtual display"
timeout 120 "$here/../tests/e2e/run_under_x11.sh" "$here/installed_window.sh" /usr/bin/numerette \
    || fail "the installed numerette did not open its window and close again"

echo "package_test: apt-get purge"
"${apt[@]}" purge "$Package" >"$scratch/purge.log" 2>&1 \
    || { cat "$scratch/purge.log"; fail "apt-get purge"; }
installed && fail "$Package is still installed after apt-get purge"
status=$(dpkg-query -W -f='${db:Status-Status}' "$Package" 2>/dev/null)
[[ -z $status || $status == not-installed ]] || fail "dpkg still lists $Package as $status"
left=()
for path in "${files[@]}" /usr/share/doc/$Package; do
    [[ -e $path ]] && left+=("$path")
done
(( ${#left[@]} == 0 )) || fail "left behind after removal: ${left[*]}"
echo "package_test: installed, used and removed without a trace (${#files[@]} files)"
