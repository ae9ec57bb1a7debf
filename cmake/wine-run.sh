#!/bin/sh
# Runs one of our Windows programs under Wine, finding Qt's DLLs and plugins
# and the MinGW runtime; the Wine prefix is the build's own.
#
#   wine-run.sh QT_WINDOWS_PREFIX WINEPREFIX PROGRAM.exe [ARGS...]
set -e
qt=$1
export WINEPREFIX=$2
shift 2
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$runtime");$(windows_path "$pthread")"
export QT_PLUGIN_PATH="$(windows_path "$qt/plugins")"
exec wine "$@"
