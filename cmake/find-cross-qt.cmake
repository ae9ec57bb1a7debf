# Finds the Qt that a cross build's toolchain file builds against, in the
# CMake variable VAR, else the environment variable of that name, else
# ../shared/FOLDER beside the repository; MARKER is a file, under the prefix,
# that such a Qt has. Without one, configure stops, naming the variable, what
# the Qt must be (WHAT, a phrase) and the script that makes one.
#   find_cross_qt(VAR FOLDER MARKER TITLE WHAT SCRIPT)
# A macro: the prefix and the compiler checks' variables belong to the caller.
macro(find_cross_qt var folder marker title what script)
  if(NOT ${var})
    set(${var} "$ENV{${var}}")
  endif()
  if(NOT ${var} AND EXISTS "${CMAKE_CURRENT_LIST_DIR}/../../shared/${folder}/${marker}")
    get_filename_component(${var} "${CMAKE_CURRENT_LIST_DIR}/../../shared/${folder}" ABSOLUTE)
  endif()
  if(NOT EXISTS "${${var}}/${marker}")
    message(FATAL_ERROR "No ${title} found. Set ${var} (a CMake or environment "
                        "variable) to ${what}; "
                        "scripts/${script} makes one from Debian's qt6-base source.")
  endif()
  set(${var} "${${var}}" CACHE PATH "${title}")
  # CMake's compiler checks run the toolchain file again in projects of their
  # own; they are handed the prefix, or a prefix given only on the command
  # line is lost.
  list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ${var})
endmacro()
