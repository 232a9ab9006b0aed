#!/usr/bin/env bash
# The Debian package made by CPack from this build tree: its name, control
# fields, files, version and lintian's verdict (pacchetto/ explains the
# overridden remarks). Usage: controlla_pacchetto.sh BUILD_DIR OUT_DIR VERSION
set -euo pipefail
build=$1 out=$2 version=$3
fail() { echo "FAIL: $*" && exit 1; }
rm -rf "$out" && mkdir -p "$out"
(cd "$build" && cpack -B "$out" >"$out/cpack.log" 2>&1) || fail "cpack: $(cat "$out/cpack.log")"
debs=("$out"/*.deb)
deb=$out/ertavino_${version}_amd64.deb
[ "${debs[*]}" = "$deb" ] || fail "packages made: ${debs[*]}"

# What the program loads without linking it, the libraries dpkg-shlibdeps
# found (sound through libpulse, not Qt Multimedia), and nothing that builds
# or tests.
depends=$(dpkg-deb -f "$deb" Depends)
for p in espeak-ng-data fonts-liberation fonts-comic-neue qt6-translations-l10n qt6-wayland \
  libespeak-ng1 libpulse0 libsndfile1 libqt6svg6 libqt6widgets6; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "Depends lacks $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Suggests)" = libttspico0 ] || fail "Suggests: $(dpkg-deb -f "$deb" Suggests)"
! grep -qi multimedia <<<"$depends" || fail "Qt Multimedia is required: $depends"
relations=$(dpkg-deb -f "$deb" Pre-Depends Depends Recommends Suggests)
! grep -Eq -- '-dev\b|-dbg\b|\b(build-essential|cmake|clang|lintian|xvfb|xdotool)\b' <<<"$relations" ||
  fail "a package for building or testing is required: $relations"

files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort)
expected=$(sort <<'LIST'
./usr/bin/ertavino
./usr/share/applications/org.example.Ertavino.desktop
./usr/share/doc/ertavino/changelog.gz
./usr/share/doc/ertavino/copyright
./usr/share/ertavino/suoni/no.wav
./usr/share/ertavino/suoni/si1.wav
./usr/share/ertavino/suoni/si2.wav
./usr/share/ertavino/suoni/si3.wav
./usr/share/ertavino/suoni/si4.wav
./usr/share/icons/hicolor/scalable/apps/org.example.Ertavino.svg
./usr/share/man/man6/ertavino.6.gz
./usr/share/metainfo/org.example.Ertavino.metainfo.xml
LIST
)
[ "$files" = "$expected" ] || fail "files differ: $(diff <(echo "$expected") <(echo "$files") || true)"

dpkg-deb -x "$deb" "$out/root"
grep -q "<release version=\"$version\"" "$out/root/usr/share/metainfo/org.example.Ertavino.metainfo.xml" ||
  fail "the metainfo's release is not $version"
zcat "$out/root/usr/share/doc/ertavino/changelog.gz" >"$out/changelog"
[ "$(dpkg-parsechangelog -l "$out/changelog" -S Version)" = "$version" ] ||
  fail "the changelog's last entry is not $version"
lintian --fail-on error,warning "$deb" || fail "lintian (above)"
echo "ertavino_${version}_amd64.deb: fields, files, version and lintian as expected"
