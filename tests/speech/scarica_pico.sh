#!/usr/bin/env bash
# Unpacks Debian 12's libttspico0 and libttspico-data (non-free) into DEST
# as installed under DEST/usr, with apt on a configuration of its own beside
# DEST (source list, package lists, cache): the system's are left alone.
set -euo pipefail
dest=${1:?usage: scarica_pico.sh DEST}
if compgen -G "$dest/usr/lib/*/libttspico.so.0" >/dev/null &&
  [ -s "$dest/usr/share/pico/lang/it-IT_ta.bin" ] && [ -s "$dest/usr/share/pico/lang/it-IT_cm0_sg.bin" ]; then
  exit 0 # fetched by an earlier run
fi
apt=$dest-apt
rm -rf "$dest" "$apt"
mkdir -p "$apt/sources" "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/deb"
# The mirror the system already fetches Debian 12 from.
mirror=$(apt-get indextargets --no-release-info --format '$(REPO_URI)' 'Release: bookworm' \
  'Identifier: Packages' | head -n 1)
if [ -z "$mirror" ]; then
  echo "no Debian 12 (bookworm) source in the system's apt configuration" >&2
  exit 1
fi
printf 'Types: deb\nURIs: %s\nSuites: bookworm\nComponents: main contrib non-free\n' "$mirror" \
  >"$apt/sources/pico.sources"
options=(-q -o "Dir::Etc::sourcelist=$apt/sources/pico.sources" -o "Dir::Etc::sourceparts=$apt/sources"
  -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache")
apt-get "${options[@]}" update >"$apt/update.log"
(cd "$apt/deb" && apt-get "${options[@]}" download libttspico0 libttspico-data)
for deb in "$apt"/deb/*.deb; do
  dpkg-deb -x "$deb" "$dest"
done
