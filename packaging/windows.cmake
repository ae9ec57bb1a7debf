# What a Windows user takes: Cartouchery.exe with the Qt DLLs and plugins it
# loads, the MinGW runtime where MinGW built it, and the licence texts, as a
# portable zip and as an NSIS installer. Included from CMakeLists.txt here.
set_target_properties(cartouchery PROPERTIES OUTPUT_NAME Cartouchery WIN32_EXECUTABLE ON)
target_sources(cartouchery PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/cartouchery.rc)

install(TARGETS cartouchery RUNTIME DESTINATION .)
foreach(module Core Gui Widgets)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
endforeach()
# Qt looks for its plugins in folders beside the program.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QGifPlugin> $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)
# Message boxes and the Save As dialog's Qt parts look native with it.
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# Qt's own texts in the program's languages, where the program looks for them.
include(${PROJECT_SOURCE_DIR}/cmake/qt-translations.cmake)
install(FILES ${CARTOUCHERY_QT_TRANSLATIONS} DESTINATION translations)

if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${path}")
      message(FATAL_ERROR "The MinGW runtime ${dll} was not found beside ${CMAKE_CXX_COMPILER}")
    endif()
    # Debian ships them with their symbols: libstdc++ alone would be 23 MB.
    set(stripped ${CMAKE_CURRENT_BINARY_DIR}/runtime/${dll})
    file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/runtime)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded -o ${stripped} ${path} COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${stripped} DESTINATION .)
  endforeach()
else()
  # MSVC's runtime goes beside the program, where Windows looks for it.
  set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
  include(InstallRequiredSystemLibraries)
endif()

# The program's own licence, then Qt's: the LGPL 3.0 with the GPL 3.0 it adds
# to (the texts are the same for every Qt, so they come from this tree, not
# from wherever a Qt installation keeps them); the artwork is drawn from the
# Noto fonts under the OFL 1.1.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE RENAME Cartouchery-MIT.txt DESTINATION licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/LGPL-3.0-only.txt RENAME Qt-LGPL-3.0.txt DESTINATION licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-only.txt RENAME Qt-GPL-3.0.txt DESTINATION licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/Noto-fonts-OFL-1.1.txt DESTINATION licenses)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME Cartouchery)
set(CPACK_PACKAGE_VENDOR "The Cartouchery")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Cartouchery-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "The Cartouchery")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Cartouchery)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The Start menu entry, and the program's own icon in Add/Remove Programs.
set(CPACK_PACKAGE_EXECUTABLES Cartouchery "The Cartouchery")
set(CPACK_NSIS_DISPLAY_NAME "The Cartouchery")
set(CPACK_NSIS_PACKAGE_NAME "The Cartouchery ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALLED_ICON_NAME Cartouchery.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/assets/window.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/assets/window.ico)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# CPack's own NSIS template with one line added after its first: a 64-bit
# installer. Wine without its 32-bit half cannot run NSIS's default 32-bit
# one, and the program is 64-bit anyway. Made from the running CMake's
# template, so it follows CMake.
set(nsis_template ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
if(NOT EXISTS ${nsis_template})
  message(FATAL_ERROR "CMake's NSIS template is not at ${nsis_template}")
endif()
file(READ ${nsis_template} template)
string(FIND "${template}" "\n" first_line_end)
math(EXPR rest_start "${first_line_end} + 1")
string(SUBSTRING "${template}" 0 ${rest_start} first_line)
string(SUBSTRING "${template}" ${rest_start} -1 rest)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in
     "${first_line}\n  Target amd64-unicode\n${rest}")
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
