#!/usr/bin/env bash
# The Debian package on this machine, for real: installs it with apt, runs the
# end-to-end stage against the installed /usr/bin/ertavino, purges it and the
# packages its installation brought in, and checks that nothing of it is left
# and that the machine has the packages and files it had before. It changes
# the machine's packages for a while, so it is run by hand, never by the test
# command or CI.
#
# Usage: scripts/test-package.sh [DEB]
# Without DEB it builds the package with scripts/package.sh first. Logs, file
# lists and the stage's screenshots go to build/package-test. The last line
# is "N passed, N failed".
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:+$(realpath "$1")}
cd "$root"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
# apt's and dpkg's progress go to a log, read when a step fails.
apt_get() {
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@" >>"$out/apt.log" 2>&1 ||
    { tail -n 20 "$out/apt.log" && false; }
}

if dpkg-query -W ertavino >/dev/null 2>&1; then
  echo "ertavino is known to dpkg already; remove it first: apt purge ertavino"
  exit 1
fi
bash scripts/install-deps.sh
if [ -z "$deb" ]; then
  bash scripts/package.sh
  deb=$(ls "$root"/build/package/ertavino_*_amd64.deb)
fi
out=$root/build/package-test
rm -rf "$out"
mkdir -p "$out"

passed=0 failed=0
check() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS $name"
    passed=$((passed + 1))
  else
    echo "FAIL $name"
    failed=$((failed + 1))
  fi
}
# Every file and folder where a package can put something, the work tree
# aside; dpkg's and apt's own records change by design and are compared as
# the list of installed packages instead.
files() {
  find /etc /opt /srv /usr /var/lib \( -path /var/lib/dpkg -o -path /var/lib/apt -o \
    -path "$root" \) -prune -o -print 2>/dev/null | sort
}
packages() { dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 ~ /^.i/ {print $2}' | sort; }
files >"$out/files-before"
packages >"$out/packages-before"

apt_get update
check "apt installs $(basename "$deb") with its dependencies" apt_get install "$deb"
dpkg -L ertavino >"$out/dpkg-L" 2>&1 || true
packages >"$out/packages-installed"
comm -13 "$out/packages-before" "$out/packages-installed" | grep -vx 'ertavino\(:amd64\)\?' >"$out/packages-added" || true
echo "brought in: $(tr '\n' ' ' <"$out/packages-added")"

menu_entry_starts_program() {
  local command
  command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' /usr/share/applications/org.example.Ertavino.desktop)
  [ "$(command -v "$command")" = /usr/bin/ertavino ]
}
check "the menu entry starts /usr/bin/ertavino" menu_entry_starts_program
check "man 6 ertavino finds the manual page" test "$(man -w 6 ertavino 2>/dev/null)" = /usr/share/man/man6/ertavino.6.gz
check "end-to-end stage against /usr/bin/ertavino" bash tests/e2e/run.sh --installed /usr "$out/e2e"

check "apt purges ertavino" apt_get purge ertavino
if [ -s "$out/packages-added" ]; then
  mapfile -t added <"$out/packages-added"
  check "apt purges what its installation brought in" apt_get purge "${added[@]}"
fi
files >"$out/files-after"
packages >"$out/packages-after"

nothing_left() {
  local left
  left=$(while read -r path; do
    [ "$path" != /. ] && [ -e "$path" ] && ! grep -qxF "$path" "$out/files-before" && echo "$path"
  done <"$out/dpkg-L")
  [ -z "$left" ] || echo "left: $left"
  [ -z "$left" ]
}
check "nothing dpkg -L listed is left" nothing_left
same_files() {
  comm -13 "$out/files-before" "$out/files-after" >"$out/files-new"
  [ -s "$out/files-new" ] && echo "new since the install: $(head -20 "$out/files-new")"
  [ ! -s "$out/files-new" ]
}
check "no file or folder is new since before the install" same_files
check "the installed packages are those of before" cmp -s "$out/packages-before" "$out/packages-after"
check "the user's settings folder stays" test -f "$out/e2e/home/.config/ImpostazioniProgrammiQuibo/Ertavino.INI"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
