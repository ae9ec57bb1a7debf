# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads, as
# Qt needs) against a Qt for Windows at QT_WINDOWS_PREFIX. Build-time tools
# and tests run under Wine, with a prefix of their own in the build folder.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

include(${CMAKE_CURRENT_LIST_DIR}/find-cross-qt.cmake)
find_cross_qt(QT_WINDOWS_PREFIX qt6-windows lib/cmake/Qt6/Qt6Config.cmake "Qt for Windows"
              "an installed Qt 6 for 64-bit Windows built with MinGW-w64" build-qt-windows.sh)

list(APPEND CMAKE_FIND_ROOT_PATH ${QT_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${QT_WINDOWS_PREFIX})
# Qt's own tools (moc, rcc) are the build machine's.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${QT_WINDOWS_PREFIX} ${CMAKE_BINARY_DIR}/wineprefix)
