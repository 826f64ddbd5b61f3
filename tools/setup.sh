#!/usr/bin/env bash
# Takes a Debian 12 machine (as root) to where the program builds, runs and tests.
# Idempotent: on a ready machine it only checks, in a few seconds. Quiet: one line a step.
#   --packages-only   only the system's packages (what tools/install.sh asks for): no build folder, no prefix
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
source "$SINOSHIFT_ROOT/tools/wineprefix.sh"
packages_only=0
[ "${1:-}" = --packages-only ] && packages_only=1

packages=(
    cmake g++ make python3 git
    clang libfuzzer-14-dev libclang-rt-14-dev
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686
    googletest
    wine wine32:i386 libxfixes3:i386
    xvfb xcompmgr xdotool xclip x11-utils x11-apps openbox imagemagick
    locales-all fonts-wqy-zenhei fonts-dejavu-core
    libopencc-data opencc unicode-data gettext
)

if [ "$packages_only" = 1 ]; then
    # Run by root for a user's install: nothing in the user's checkout may become root's.
    log=$(mktemp /tmp/sinoshift-setup.XXXXXX)
else
    log=$SINOSHIFT_BUILD/setup.log
    mkdir -p "$SINOSHIFT_BUILD"
    : >"$log"
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    say "setup: adding the i386 architecture"
    dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
    st=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$st" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    say "setup: installing ${#missing[@]} packages (${missing[*]})"
    export DEBIAN_FRONTEND=noninteractive
    # A mirror in the middle of a sync fails one index now and then; the install below says whether
    # what is needed could still be found.
    apt-get update -qq >>"$log" 2>&1 || say "setup: apt-get update reported errors (see $log); installing anyway"
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$log" 2>&1 ||
        die "apt-get install failed (see $log)"
else
    say "setup: packages present"
fi

# Some kernels run without their 32-bit emulation (the boot option ia32_emulation=off), and Wine's 32-bit
# loader then fails with "Exec format error". qemu-user runs such programs instead, through a binfmt_misc
# entry; the wineserver stays native (wine64 brings the 64-bit one, which serves 32-bit prefixes too).
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    say "setup: this kernel runs no 32-bit programs; running them through qemu-user"
    for p in qemu-user-static wine64; do
        st=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
        [ "$st" = "install ok installed" ] && continue
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p" >>"$log" 2>&1 ||
            die "could not install $p (see $log)"
    done
    [ -e /proc/sys/fs/binfmt_misc/register ] ||
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || die "could not mount binfmt_misc"
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
            >/proc/sys/fs/binfmt_misc/register || die "could not register qemu-i386 with binfmt_misc"
    fi
    /lib/ld-linux.so.2 --version >/dev/null 2>&1 || die "32-bit programs still do not run"
fi
# Wine's X clipboard hears of a new owner at once only through XFixes, which it loads by name as the 32-bit
# libXfixes.so.3 (listed as plain "libc6" in the loader's cache); without it Wine polls every 2 seconds.
xfixes_found() { ldconfig -p | grep -q 'libXfixes\.so\.3 (libc6)'; }
xfixes_found || ldconfig
xfixes_found || die "the 32-bit libXfixes.so.3 is not in the loader's cache although libxfixes3:i386 is installed"

# Only now may the shells and Wine use the project's locale.
use_project_locale || die "the locale $SINOSHIFT_LOCALE is missing although locales-all is installed"
[ "$packages_only" = 1 ] && exit 0

# The Wine prefix lives in the build folder, never in ~/.wine.
if [ ! -f "$WINEPREFIX/.sinoshift-ready" ]; then
    say "setup: creating the Wine prefix in $WINEPREFIX"
    wineprefix_create "$log" || die "wineboot failed (see $log)"
else
    say "setup: Wine prefix ready"
fi

# The prefix's settings (tools/wineprefix.sh); the prefix keeps Wine's default window management, as on a
# desktop: the run and test scripts choose it per display (wine_follow_display).
before=$(cat "$WINEPREFIX/.sinoshift-settings.reg" 2>/dev/null | md5sum)
wineprefix_apply - "$log" || die "could not apply the Wine prefix settings (see $log)"
# New settings reset the window management, which wine_managed remembers having set.
[ "$(cat "$WINEPREFIX/.sinoshift-settings.reg" 2>/dev/null | md5sum)" = "$before" ] || rm -f "$WINEPREFIX/.sinoshift-managed"
