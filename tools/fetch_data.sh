#!/usr/bin/env bash
# Fetches the conversion data again from its registries and checks that every file kept in third_party/
# is byte for byte what that exact version ships (third_party/SHA256SUMS lists them). The build reads
# only the kept files, so it needs no network; this script is how they were made and how to audit them.
#   OpenCC 1.4.2 (Apache-2.0)   npm registry, package opencc@1.4.2: LICENSE, data/dictionary, config, scripts
#   jieba 0.42.1 (MIT)          Debian package python3-jieba 0.42.1-3: jieba/dict.txt, copyright
#   Unihan 15.0.0 (Unicode)     Debian package unicode-data 15.0.0-1: Unihan_Variants.txt.bz2, copyright
# Usage: fetch_data.sh [--update]   (--update also copies the fetched files over the kept ones and
#                                    rewrites SHA256SUMS; without it nothing in the repository changes)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
third=$root/third_party
update=0
[ "${1:-}" = --update ] && update=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

echo "fetch: opencc@1.4.2 from the npm registry"
npm pack --silent opencc@1.4.2 >/dev/null
mkdir opencc && tar -xzf opencc-1.4.2.tgz -C opencc
echo "fetch: python3-jieba 0.42.1-3 and unicode-data 15.0.0-1 from Debian"
apt-get download -qq python3-jieba=0.42.1-3 unicode-data=15.0.0-1 2>/dev/null
dpkg-deb -x python3-jieba_0.42.1-3_all.deb jieba
dpkg-deb -x unicode-data_15.0.0-1_all.deb unicode

# kept path (under third_party/) <- fetched path (under $work)
sources() {
    local d
    echo "opencc-1.4.2/LICENSE opencc/package/LICENSE"
    for d in "$third"/opencc-1.4.2/data/dictionary/* "$third"/opencc-1.4.2/data/config/* \
        "$third"/opencc-1.4.2/data/scripts/*; do
        d=${d#"$third"/opencc-1.4.2/}
        echo "opencc-1.4.2/$d opencc/package/$d"
    done
    echo "jieba-0.42.1/dict.txt jieba/usr/lib/python3/dist-packages/jieba/dict.txt"
    echo "jieba-0.42.1/copyright jieba/usr/share/doc/python3-jieba/copyright"
    echo "unihan-15.0.0/Unihan_Variants.txt.bz2 unicode/usr/share/unicode/Unihan_Variants.txt.bz2"
    echo "unihan-15.0.0/copyright unicode/usr/share/doc/unicode-data/copyright"
}

bad=0
sums=$work/SHA256SUMS
: >"$sums"
while read -r kept fetched; do
    [ -f "$fetched" ] || { echo "fetch: $fetched is not in the fetched package" >&2; bad=1; continue; }
    (cd "$work" && sha256sum "$fetched" | sed "s#  .*#  $kept#") >>"$sums"
    if [ $update = 1 ]; then
        mkdir -p "$(dirname "$third/$kept")"
        cp "$fetched" "$third/$kept"
    elif ! cmp -s "$fetched" "$third/$kept"; then
        echo "fetch: third_party/$kept differs from the fetched file" >&2
        bad=1
    fi
done < <(sources)

if [ $update = 1 ]; then
    cp "$sums" "$third/SHA256SUMS"
    echo "fetch: third_party/ updated"
    exit 0
fi
(cd "$third" && sha256sum --quiet -c SHA256SUMS) || bad=1
cmp -s "$sums" "$third/SHA256SUMS" || { echo "fetch: SHA256SUMS lists other files" >&2; bad=1; }
[ $bad = 0 ] && echo "fetch: every kept file matches the fetched one"
exit $bad
