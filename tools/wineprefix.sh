# shellcheck shell=bash
# A Wine prefix for Sinoshift: made once, then given the settings the program needs. Sourced by tools/setup.sh
# (the project's prefix in build/) and by the installed launchers (a prefix of the user's own); both set
# WINEPREFIX first. Needs nothing but Wine and iconv.

# Makes the prefix at $WINEPREFIX unless it is ready; wineboot's output goes to the file LOG. Ready means
# system32 holds kernel32: under heavy CPU emulation the first wineboot has been seen to give up loading it
# while the prefix's set-up went on in the background, so each try waits for the prefix's server to end and
# then looks.
wineprefix_create() {
    [ -f "$WINEPREFIX/.sinoshift-ready" ] && return 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    local try
    for try in 1 2 3; do
        # wineboot wants no display; keep it from opening windows on one.
        DISPLAY='' wineboot -i </dev/null >>"$1" 2>&1 || echo "wineboot: try $try failed" >>"$1"
        wineserver -w
        if [ -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
            touch "$WINEPREFIX/.sinoshift-ready"
            return 0
        fi
    done
    return 1
}

# Prints the settings as a registry file: the CJK font for the Song faces the program asks for, a sans face for
# Tahoma, smoothed fonts, and Wine's window management MANAGED (Y, N, or - for Wine's default).
wineprefix_settings() {
    local managed='"Managed"=-' face
    [ "$1" != - ] && managed="\"Managed\"=\"$1\""
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    # The WenQuanYi face with hand-tuned bitmaps stays crisp at the program's 9-point size where outlines smear.
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in "宋体" "SimSun" "新宋体" "NSimSun"; do
        printf '"%s"="WenQuanYi Zen Hei Sharp"\r\n' "$face"
    done
    # No Tahoma in Debian: a close sans face, smoothed, keeps the small Latin labels legible.
    printf '"Tahoma"="DejaVu Sans"\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"FontSmoothing"="2"\r\n"FontSmoothingType"=dword:00000001\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n%s\r\n' "$managed"
}

# Gives the prefix the settings with window management MANAGED, through one Wine process, and only when they
# differ from those it was last given (a copy of them stays in the prefix); output to the file LOG.
wineprefix_apply() {
    local applied=$WINEPREFIX/.sinoshift-settings.reg want
    want=$(wineprefix_settings "$1" | iconv -f UTF-8 -t UTF-16 | base64 -w0)
    [ -f "$applied" ] && [ "$(base64 -w0 <"$applied")" = "$want" ] && return 0
    base64 -d <<<"$want" >"$applied.new"
    # reg import reads a UTF-16 file with its byte order mark, so the Chinese face names need no code page.
    # Drive Z: is the root of the file system in every prefix.
    local file=$applied.new
    if DISPLAY='' wine reg import "Z:${file//\//\\}" </dev/null >>"$2" 2>&1; then
        mv "$applied.new" "$applied"
    else
        rm -f "$applied.new"
        return 1
    fi
}
