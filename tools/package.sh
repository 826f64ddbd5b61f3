#!/usr/bin/env bash
# Builds the two Windows programs with release settings and writes dist/sinoshift-VERSION-win32.zip: the
# programs, README.txt (CR LF), LICENSE, THIRD_PARTY.md and SHA256SUMS. The same commit gives the same bytes
# wherever and whenever it is built: the files carry the commit's time, the entries are sorted and the zip
# keeps no owners or extra times.
#   --verify   build twice, from copies of the tree in two fresh folders, one after the other; compare the
#              programs and the zips byte for byte and print both zips' hashes
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

verify=0
for arg in "$@"; do
    case $arg in
    --verify) verify=1 ;;
    *) die "unknown option $arg (usage: bash tools/package.sh [--verify])" ;;
    esac
done
command -v zip >/dev/null || die "zip is missing: run tools/setup.sh as root"

version=$(<"$SINOSHIFT_ROOT/VERSION")
zipname=sinoshift-$version-win32.zip
# The time every file of the zip carries: the commit's, so a rebuild of it matches.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$SINOSHIFT_ROOT" log -1 --format=%ct 2>/dev/null || echo 1767225600)}
export SOURCE_DATE_EPOCH

# package SOURCE BUILD: builds the tree at SOURCE in the folder BUILD and writes BUILD/$zipname.
package() {
    local src=$1 build=$2
    SINOSHIFT_SKIP_NATIVE=1 SINOSHIFT_BUILD=$build SINOSHIFT_WIN32_TARGETS="Sinoshift sinoshift-cli" \
        bash "$src/tools/build.sh" >/dev/null
    local stage=$build/package
    rm -rf "$stage" "${build:?}/$zipname"
    mkdir -p "$stage"
    cp "$build/win32/bin/Sinoshift.exe" "$build/win32/bin/sinoshift-cli.exe" "$src/LICENSE" "$src/THIRD_PARTY.md" \
        "$stage/"
    python3 "$src/tools/readme_txt.py" >"$stage/README.txt"
    local files
    files=$(cd "$stage" && LC_ALL=C ls)
    # shellcheck disable=SC2086 # plain file names, one a word
    (cd "$stage" && sha256sum $files >SHA256SUMS)
    chmod 644 "$stage"/*
    touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*
    # zip writes local times: UTC makes them the same on every machine.
    # shellcheck disable=SC2046 # plain file names
    (cd "$stage" && TZ=UTC zip -q -X -D "$build/$zipname" $(LC_ALL=C ls))
}

if [ "$verify" = 0 ]; then
    package "$SINOSHIFT_ROOT" "$SINOSHIFT_BUILD/release"
    mkdir -p "$SINOSHIFT_ROOT/dist"
    cp "$SINOSHIFT_BUILD/release/$zipname" "$SINOSHIFT_ROOT/dist/"
    say "package: dist/$zipname"
    say "$(sha256sum "$SINOSHIFT_ROOT/dist/$zipname" | cut -d' ' -f1)  dist/$zipname"
    exit 0
fi

# Two copies of the tracked files (as they are now, changes included) at different paths, built one after
# the other: what differs between the builds is the folder and the time.
work=$(mktemp -d /tmp/sinoshift-verify.XXXXXX)
trap 'rm -rf "$work"' EXIT
for copy in first second/elsewhere; do
    mkdir -p "$work/$copy/src"
    git -C "$SINOSHIFT_ROOT" ls-files -z --cached --others --exclude-standard |
        (cd "$SINOSHIFT_ROOT" && tar --null -T - -cf -) | tar -xf - -C "$work/$copy/src"
    say "package: building in $work/$copy"
    package "$work/$copy/src" "$work/$copy/build"
done
a=$work/first/build
b=$work/second/elsewhere/build
for exe in Sinoshift.exe sinoshift-cli.exe; do
    cmp "$a/win32/bin/$exe" "$b/win32/bin/$exe" || die "the two builds' $exe differ"
done
say "$(sha256sum "$a/$zipname" | cut -d' ' -f1)  first build's $zipname"
say "$(sha256sum "$b/$zipname" | cut -d' ' -f1)  second build's $zipname"
cmp "$a/$zipname" "$b/$zipname" || die "the two zips differ"
mkdir -p "$SINOSHIFT_ROOT/dist"
cp "$a/$zipname" "$SINOSHIFT_ROOT/dist/"
say "package: the two builds are byte for byte the same; dist/$zipname written"
