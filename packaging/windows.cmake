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
  include(InstallRequiredSystemLibraries)
endif()

# Qt is used under the LGPL 3.0, which comes with the GPL 3.0 it adds to; the
# artwork is drawn from the Noto fonts under the OFL 1.1.
get_target_property(qt_core_location Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_prefix "${qt_core_location}" DIRECTORY)
get_filename_component(qt_prefix "${qt_prefix}" DIRECTORY)
install(FILES ${qt_prefix}/LICENSES/LGPL-3.0-only.txt RENAME Qt-LGPL-3.0.txt DESTINATION licenses)
install(FILES ${qt_prefix}/LICENSES/GPL-3.0-only.txt RENAME Qt-GPL-3.0.txt DESTINATION licenses)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/Noto-fonts-OFL-1.1.txt DESTINATION licenses)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_NAME Cartouchery)
set(CPACK_PACKAGE_VENDOR "The Cartouchery")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Cartouchery-${PROJECT_VERSION}-windows-x64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "The Cartouchery")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Cartouchery)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/Noto-fonts-OFL-1.1.txt)
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
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows) # our NSIS.template.in
