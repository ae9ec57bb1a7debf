# Says that a check or tool is left out because this machine lacks what it
# needs. In CI (CI=true) nothing may be left out: the run stops there, so a
# missing install step can never pass as a green run.
function(leave_out what needs)
  if("$ENV{CI}" STREQUAL "true")
    message(FATAL_ERROR "CI cannot leave out ${what}: it needs ${needs}")
  endif()
  message(STATUS "Leaving out ${what}: it needs ${needs}")
endfunction()
