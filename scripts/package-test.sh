#!/usr/bin/env bash
# Builds the Debian package from the normal build and looks at it the way a
# system does: the files it holds, the unpacked programs, the desktop files
# against their validators, the ".ti" file type, and lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
id=io.github.brivet.Norvane
scratch=$(mktemp -d)
pid=""
cleanup() {
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "package-test: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/norvane_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack failed"; }
[ -f "$deb" ] || fail "cpack made no $deb"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"

listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(
  usr/bin/norvane usr/bin/norvane-cli usr/share/norvane/Master.tiz
  "usr/share/applications/$id.desktop" "usr/share/mime/packages/$id.xml"
  "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg"
  usr/share/man/man1/norvane.1.gz usr/share/man/man1/norvane-cli.1.gz
  usr/share/doc/norvane/copyright usr/share/doc/norvane/changelog.gz
)
for size in 16 24 32 48 64 128 256 512; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in "${expected[@]}"; do
  grep -qxF "./$file" <<<"$listing" || fail "the package lacks /$file"
done

root=$scratch/root
dpkg -x "$deb" "$root"
cli=$root/usr/bin/norvane-cli
[ "$("$cli" run 2 + 3 =)" = "5." ] || fail "norvane-cli run 2 + 3 = does not print 5."
[ "$("$cli" run PGM 01 A)" = "59." ] || fail "the built-in library's Pgm 01 A does not give 59."
[ "$("$cli" --version)" = "norvane-cli $version" ] || fail "norvane-cli --version is not $version"
[ "$("$root/usr/bin/norvane" --version)" = "norvane $version" ] || fail "norvane --version is not $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo has no release $version"

# The installed program starts, leaves the user's desktop folders alone (the
# package has registered it) and saves its state on SIGTERM.
home=$scratch/home
mkdir -p "$home" "$scratch/run" "$scratch/tmp"
chmod 700 "$scratch/run"
HOME=$home XDG_RUNTIME_DIR=$scratch/run TMPDIR=$scratch/tmp QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/norvane" >"$scratch/norvane.log" 2>&1 &
pid=$!
for _ in $(seq 50); do
  [ -e "$home/.config/Brivet" ] || [ -e "$home/.local/share/Brivet" ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$scratch/norvane.log"; fail "norvane did not keep running"; }
kill -TERM "$pid"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { cat "$scratch/norvane.log"; fail "norvane is still running 10 s after SIGTERM"; }
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { cat "$scratch/norvane.log"; fail "norvane ended with status $status on SIGTERM"; }
[ -f "$home/.local/share/Brivet/Norvane/TI59.ti" ] || fail "norvane did not save TI59.ti on SIGTERM"
[ ! -e "$home/.local/share/applications" ] || fail "the installed norvane wrote a desktop entry in the user's folder"

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" ||
  { cat "$scratch/appstream.log"; fail "appstreamcli validate failed"; }
xmllint --noout "$root/usr/share/mime/packages/$id.xml"

# The file type, from a copy of the system's database with ours added.
mime=$scratch/mime
mkdir -p "$mime/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$root/usr/share/mime/packages/$id.xml" "$mime/mime/packages/"
update-mime-database "$mime/mime" 2>/dev/null
type_of() {
  XDG_DATA_HOME=$scratch/nothing XDG_DATA_DIRS=$mime gio info -a standard::content-type "$1" |
    sed -n 's/^ *standard::content-type: //p'
}
head -c 2600 /dev/zero >"$scratch/prog.ti"
{ printf '\x02\x00'; head -c 48 /dev/zero; printf '\x4c\x11'; } >"$scratch/ours.mod"
{ printf 'tracker tune'; head -c 1068 /dev/zero; printf 'M.K.'; head -c 100 /dev/zero; } >"$scratch/tune.mod"
head -c 200 /dev/zero >"$scratch/zeros.dat"
while read -r file type; do
  found=$(type_of "$scratch/$file")
  [ "$found" = "$type" ] || fail "$file is $found, not $type"
done <<'TYPES'
prog.ti application/x-ti59-program
ours.mod application/x-ti59-module
tune.mod audio/x-mod
zeros.dat application/octet-stream
TYPES

lintian --fail-on error "$deb" >"$scratch/lintian.log" 2>&1 ||
  { cat "$scratch/lintian.log"; fail "lintian found errors"; }
echo "package-test: $(basename "$deb") is good"
