#!/usr/bin/env bash
# Configures and builds both trees: native (portable logic, sanitizers) and 32-bit Windows (mingw).
# Quiet unless something fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

run_logged() {
    local what=$1 log=$2
    shift 2
    if ! "$@" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        die "$what failed (full output in $log)"
    fi
}

mkdir -p "$SINOSHIFT_BUILD"
if [ "${SINOSHIFT_SKIP_NATIVE:-0}" != 1 ]; then
    say "build: native tree"
    run_logged "native configure" "$SINOSHIFT_BUILD/native-configure.log" \
        cmake -S "$SINOSHIFT_ROOT" -B "$SINOSHIFT_BUILD/native" -DCMAKE_BUILD_TYPE=Debug
    run_logged "native build" "$SINOSHIFT_BUILD/native-build.log" \
        cmake --build "$SINOSHIFT_BUILD/native" -j2
fi
say "build: 32-bit Windows tree"
run_logged "win32 configure" "$SINOSHIFT_BUILD/win32-configure.log" \
    cmake -S "$SINOSHIFT_ROOT" -B "$SINOSHIFT_BUILD/win32" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$SINOSHIFT_ROOT/cmake/toolchain-i686-mingw.cmake"
# SINOSHIFT_WIN32_TARGETS names the targets to build (the package needs only the two programs); all by default.
# shellcheck disable=SC2086 # a list of target names
run_logged "win32 build" "$SINOSHIFT_BUILD/win32-build.log" \
    cmake --build "$SINOSHIFT_BUILD/win32" -j2 ${SINOSHIFT_WIN32_TARGETS:+--target $SINOSHIFT_WIN32_TARGETS}

# The fuzz targets, to run over their corpora, beside the native tree: only where clang builds them, so a
# gcc-only machine still tests the rest.
if [ "${SINOSHIFT_SKIP_NATIVE:-0}" != 1 ]; then
    if fuzz_toolchain_ready; then
        say "build: fuzz tree"
        build_fuzz_tree || die "fuzz build failed (full output in $SINOSHIFT_BUILD/fuzz-build.log)"
    else
        say "build: no clang with libFuzzer here, so no fuzz tree"
        rm -f "$SINOSHIFT_BUILD/fuzz/CTestTestfile.cmake"
    fi
fi

# One CTest over all trees, so the run ends with one summary.
trees='"native" "win32"'
[ -f "$SINOSHIFT_BUILD/fuzz/CTestTestfile.cmake" ] && trees+=' "fuzz"'
printf 'subdirs(%s)\n' "$trees" >"$SINOSHIFT_BUILD/CTestTestfile.cmake"
