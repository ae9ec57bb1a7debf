# Builds for the web with a Qt for WebAssembly at QT_WASM_PREFIX (a CMake or
# environment variable; ../shared/qt6-wasm beside the repository where that
# exists) and Debian's emscripten. Qt's own tools (moc, rcc) and the
# project's build-time tools are the build machine's.
include(${CMAKE_CURRENT_LIST_DIR}/find-cross-qt.cmake)
find_cross_qt(QT_WASM_PREFIX qt6-wasm lib/cmake/Qt6/qt.toolchain.cmake "Qt for WebAssembly"
              "an installed Qt 6 built for wasm32-emscripten" build-qt-wasm.sh)
if(NOT EXISTS /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
  message(FATAL_ERROR "The web build needs Debian's emscripten (apt install emscripten).")
endif()

set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
# Debian's emscripten runs its JavaScript tools with node; a node from
# elsewhere finds Debian's own modules (acorn) only through NODE_PATH.
set(ENV{NODE_PATH} /usr/share/nodejs)
# A failed save and a malformed description are exceptions the program
# catches; emscripten leaves catching out unless asked.
set(CMAKE_CXX_FLAGS_INIT -fexceptions)
set(CMAKE_EXE_LINKER_FLAGS_INIT -fexceptions)
include(${QT_WASM_PREFIX}/lib/cmake/Qt6/qt.toolchain.cmake)
