#!/usr/bin/env bash
# Installs Sinoshift from this checkout's build (built when the build tools are there) for a desktop user:
# the commands `sinoshift` and `sinoshift-cli`, the programs, a menu entry and the icon.
#   bash tools/install.sh                      for you, under ~/.local
#   bash tools/install.sh --prefix [DIR]       for all users, under DIR (as root; /usr/local without DIR)
#   bash tools/install.sh [--prefix DIR] --uninstall [--purge]
#                                              removes exactly what the install put there; --purge also removes
#                                              your Wine prefix of Sinoshift (~/.local/share/sinoshift)
# The system packages it runs on need root: it checks for them and names the command that installs them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
say() { printf 'install: %s\n' "$*"; }
die() { printf 'install: error: %s\n' "$*" >&2; exit 1; }
usage="usage: bash tools/install.sh [--prefix [DIR]] [--uninstall [--purge]]"

prefix=$HOME/.local
mode=install
purge=0
while [ $# -gt 0 ]; do
    case $1 in
    --prefix)
        prefix=/usr/local
        if [ $# -gt 1 ] && [ "${2#--}" = "$2" ]; then
            prefix=$2
            shift
        fi
        ;;
    --uninstall) mode=uninstall ;;
    --purge) purge=1 ;;
    *) die "unknown argument $1 ($usage)" ;;
    esac
    shift
done
[ "$purge" = 0 ] || [ "$mode" = uninstall ] || die "--purge goes with --uninstall ($usage)"
prefix=$(realpath -m "$prefix")
lib=$prefix/lib/sinoshift
# What the install made, one line each, folders before what they hold: "d PATH" or "f PATH".
record=$lib/installed
userdata=${XDG_DATA_HOME:-$HOME/.local/share}/sinoshift

if [ "$mode" = uninstall ]; then
    made=()
    if [ -f "$record" ]; then
        mapfile -t made <"$record"
    else
        say "Sinoshift is not installed under $prefix (no $record)"
    fi
    if [ "$purge" = 1 ] && [ -d "$userdata" ]; then
        rm -rf -- "$userdata"
        say "removed your Wine prefix of Sinoshift ($userdata)"
    elif [ -d "$userdata" ]; then
        say "kept your Wine prefix of Sinoshift ($userdata; --purge removes it)"
    fi
    for ((i = ${#made[@]} - 1; i >= 0; i--)); do
        path=${made[i]:2}
        case ${made[i]} in
        f*) rm -f -- "$path" ;;
        # A folder that holds anything else than what the install put there stays.
        d*) rmdir -- "$path" 2>/dev/null || true ;;
        esac
    done
    [ "${#made[@]}" = 0 ] || say "removed Sinoshift from $prefix"
    exit 0
fi

# --- the system's part ---------------------------------------------------------------------------------
# What the programs run on: Wine with its 32-bit part, the fonts, the zh_CN locale, Python for the icon and the
# display probe. What builds them, when they are not built yet or may be out of date.
needed=(wine wine32:i386 libxfixes3:i386 locales-all fonts-wqy-zenhei fonts-dejavu-core python3)
builders=(cmake make g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest)
absent() {
    local p
    for p in "$@"; do
        [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" = "install ok installed" ] || printf '%s ' "$p"
    done
}
setup_command="sudo bash $root/tools/setup.sh --packages-only"
missing=$(absent "${needed[@]}")
[ -z "$missing" ] || die "missing system packages: $missing; install them with this one command, then run this again:
    $setup_command"

build=$(realpath -m "${SINOSHIFT_BUILD:-$root/build}")
bin=$build/win32/bin
if [ -z "$(absent "${builders[@]}")" ]; then
    say "building the programs (only what changed)"
    SINOSHIFT_SKIP_NATIVE=1 SINOSHIFT_BUILD=$build SINOSHIFT_WIN32_TARGETS="Sinoshift sinoshift-cli" \
        bash "$root/tools/build.sh" >/dev/null
elif [ ! -f "$bin/Sinoshift.exe" ] || [ ! -f "$bin/sinoshift-cli.exe" ]; then
    die "the programs are not built and the build tools are missing ($(absent "${builders[@]}")); install them with:
    $setup_command"
fi

# --- the files -----------------------------------------------------------------------------------------
[ ! -f "$record" ] || die "Sinoshift is installed under $prefix already: bash tools/install.sh --uninstall first"
made=()
icons=$(mktemp -d)
# Even an install that stops half way leaves its record, so --uninstall can take back what it did.
finish() {
    rm -rf "$icons"
    if [ "${#made[@]}" -gt 0 ]; then
        make_dir "$lib"
        made+=("f $record")
        printf '%s\n' "${made[@]}" >"$record"
    fi
}
trap finish EXIT
# make_dir DIR: makes DIR and each missing folder above it, noting those it made.
make_dir() {
    [ -d "$1" ] && return 0
    make_dir "$(dirname "$1")"
    mkdir "$1" || die "cannot make $1"
    made+=("d $1")
}
# put SOURCE DEST MODE
put() {
    make_dir "$(dirname "$2")"
    install -m "$3" "$1" "$2" || die "cannot write $2"
    made+=("f $2")
}
put "$bin/Sinoshift.exe" "$lib/Sinoshift.exe" 644
put "$bin/sinoshift-cli.exe" "$lib/sinoshift-cli.exe" 644
for f in tools/wineprefix.sh tools/xprobe.py LICENSE THIRD_PARTY.md; do
    put "$root/$f" "$lib/$(basename "$f")" 644
done
put "$root/tools/launcher.sh" "$prefix/bin/sinoshift" 755
put "$root/tools/launcher.sh" "$prefix/bin/sinoshift-cli" 755

sizes=(16 24 32 48 64 128 256)
python3 "$root/tools/ico_png.py" "$root/assets/sinoshift.ico" "$icons" "${sizes[@]}"
for size in "${sizes[@]}"; do
    put "$icons/$size.png" "$prefix/share/icons/hicolor/${size}x$size/apps/sinoshift.png" 644
done
# The menu entry. Wine names the window's X class after the program, which ties the window to this entry.
exec_path=$prefix/bin/sinoshift
[[ $exec_path == *[[:space:]]* ]] && exec_path="\"$exec_path\""
cat >"$icons/sinoshift.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Sinoshift
GenericName=Chinese text converter
GenericName[zh_CN]=简繁转换
GenericName[zh_TW]=簡繁轉換
Comment=Convert Chinese text between Simplified and Traditional characters, GB and BIG5
Comment[zh_CN]=简体与繁体中文、GB 与 BIG5 之间的转换
Comment[zh_TW]=簡體與繁體中文、GB 與 BIG5 之間的轉換
Exec=$exec_path
Icon=sinoshift
Terminal=false
Categories=Office;Utility;TextTools;
Keywords=Chinese;Simplified;Traditional;GB;BIG5;简体;繁体;
StartupWMClass=sinoshift.exe
ENTRY
put "$icons/sinoshift.desktop" "$prefix/share/applications/sinoshift.desktop" 644
say "installed under $prefix: $prefix/bin/sinoshift, $prefix/bin/sinoshift-cli and the menu entry Sinoshift"
case ":$PATH:" in
*":$prefix/bin:"*) ;;
*) say "$prefix/bin is not on your PATH: add it, or start the programs by their full path" ;;
esac
say "the first start prepares Wine for you (a while); later starts are quick"
