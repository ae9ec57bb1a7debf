# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (posix threads, as
# Qt needs) against a Qt for Windows at QT_WINDOWS_PREFIX. Build-time tools
# and tests run under Wine, with a prefix of their own in the build folder.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-compilers.cmake)

if(NOT QT_WINDOWS_PREFIX)
  set(QT_WINDOWS_PREFIX "$ENV{QT_WINDOWS_PREFIX}")
endif()
if(NOT QT_WINDOWS_PREFIX AND EXISTS "${CMAKE_CURRENT_LIST_DIR}/../../shared/qt6-windows/lib/cmake/Qt6")
  get_filename_component(QT_WINDOWS_PREFIX "${CMAKE_CURRENT_LIST_DIR}/../../shared/qt6-windows" ABSOLUTE)
endif()
if(NOT EXISTS "${QT_WINDOWS_PREFIX}/lib/cmake/Qt6/Qt6Config.cmake")
  message(FATAL_ERROR "No Qt for Windows found. Set QT_WINDOWS_PREFIX (a CMake or environment "
                      "variable) to an installed Qt 6 for 64-bit Windows built with MinGW-w64; "
                      "scripts/build-qt-windows.sh makes one from Debian's qt6-base source.")
endif()
set(QT_WINDOWS_PREFIX "${QT_WINDOWS_PREFIX}" CACHE PATH "Qt 6 for 64-bit Windows (MinGW-w64)")
# CMake's compiler checks run this file again in projects of their own; they
# are handed the prefix, or a prefix given only on the command line is lost.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QT_WINDOWS_PREFIX)

list(APPEND CMAKE_FIND_ROOT_PATH ${QT_WINDOWS_PREFIX})
set(CMAKE_PREFIX_PATH ${QT_WINDOWS_PREFIX})
# Qt's own tools (moc, rcc) are the build machine's.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${QT_WINDOWS_PREFIX} ${CMAKE_BINARY_DIR}/wineprefix)
