# The build-time tools (describe, prebuild) run on the build machine. A native
# build makes them as targets of its own; a build for the web makes them in a
# build of the build machine's own inside its folder, since WebAssembly does
# not run at build time. Either way DESCRIBE_TOOL and PREBUILD_TOOL name them
# for a custom command's COMMAND and DEPENDS.
if(NOT EMSCRIPTEN)
  add_subdirectory(tools/generated)
  add_subdirectory(tools/describe)
  add_subdirectory(tools/prebuild)
  set(DESCRIBE_TOOL describe)
  set(PREBUILD_TOOL prebuild)
  return()
endif()

include(ExternalProject)
set(HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(DESCRIBE_TOOL ${HOST_TOOLS_DIR}/tools/describe/describe)
set(PREBUILD_TOOL ${HOST_TOOLS_DIR}/tools/prebuild/prebuild)
ExternalProject_Add(host_tools
  SOURCE_DIR ${PROJECT_SOURCE_DIR}
  BINARY_DIR ${HOST_TOOLS_DIR}
  CMAKE_ARGS -DCARTOUCHERY_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${HOST_TOOLS_DIR} --target describe prebuild
  INSTALL_COMMAND ""
  # The tools' own sources change with the program's: their build decides.
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${DESCRIBE_TOOL} ${PREBUILD_TOOL})
