#!/usr/bin/env bash
# Compiles the Windows-only sources with the mingw-w64 cross compiler against
# the real Windows headers (and the Qt headers, which are platform-neutral
# enough), so the Win32 calls are checked for argument types and constants
# without a Windows machine. Also compiles the resource script and reads the
# version details back out of it.
# Usage: check-windows-sources.sh SOURCE_DIR PROJECT_VERSION QT_INCLUDE_DIR...
set -euo pipefail
src=$1 version=$2
shift 2

cxx=x86_64-w64-mingw32-g++
windres=x86_64-w64-mingw32-windres
command -v "$cxx" >/dev/null || { echo "$cxx is not installed (g++-mingw-w64-x86-64): skipped"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

qt=()
for dir in "$@"; do qt+=(-isystem "$dir"); done
# As Qt's own CMake targets compile on Windows, plus the project's settings.
flags=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror
       -DUNICODE -D_UNICODE -DQT_NO_KEYWORDS -DQT_NO_CAST_FROM_ASCII
       "${qt[@]}" -I"$src/src")

status=0
check() {
    local file=$1 call=$2
    if ! "$cxx" "${flags[@]}" "$src/$file"; then
        echo "FAIL: $file does not compile for Windows"
        status=1
        return
    fi
    # Everything sits under #ifdef Q_OS_WIN: make sure the call was really
    # compiled, by finding it among the lines that come from the file itself.
    # (Captured whole: grep -q stopping early would fail the pipeline.)
    local own
    own=$("$cxx" "${flags[@]/-fsyntax-only/-E}" "$src/$file" \
        | awk -v f="\"$src/$file\"" '/^# [0-9]+ "/ { own = ($3 == f); next } own')
    if ! grep -q "\\b$call\\b" <<<"$own"; then
        echo "FAIL: $file compiled without its $call call (Q_OS_WIN not set?)"
        status=1
        return
    fi
    echo "ok: $file ($call)"
}
check src/platform/Shell_win.cpp ShellExecuteA
check src/platform/TopMost_win.cpp SetWindowPos
check src/platform/SingleInstance_win.cpp CreateMutexW

if command -v "$windres" >/dev/null; then
    # Run from elsewhere, with the folder given as an include directory, as
    # CMake does, so the .ico is found the same way.
    rc_dir="$src/packaging/windows"
    if (cd "$work" && "$windres" -I "$rc_dir" -i "$rc_dir/starkindle.rc" -O res -o starkindle.res) \
        && "$windres" -i "$work/starkindle.res" -o "$work/decompiled.rc"; then
        IFS=. read -r major minor <<<"$version"
        numeric="$major, $minor, 0, 0" # as windres writes it back
        expect=("FILEVERSION $numeric" "PRODUCTVERSION $numeric"
                "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\""
                'VALUE "ProductName", "Starkindle"' 'VALUE "CompanyName", "Corvane Softwares"'
                'VALUE "OriginalFilename", "starkindle.exe"' 'VALUE "FileDescription", "'
                'RT_GROUP_ICON' 'Has 7 elements') # one icon, seven sizes
        for line in "${expect[@]}"; do
            if ! grep -qF "$line" "$work/decompiled.rc"; then
                echo "FAIL: the compiled resources lack: $line"
                status=1
            fi
        done
        [ $status -ne 0 ] || echo "ok: packaging/windows/starkindle.rc (version $version, icon)"
    else
        echo "FAIL: packaging/windows/starkindle.rc does not compile"
        status=1
    fi
else
    echo "$windres is not installed: resource script not checked"
fi
exit $status
