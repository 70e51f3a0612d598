# SPDX-License-Identifier: GPL-3.0-or-later
# Contributors: read NOTES.md at the project root first (house rules).

# Our presets and CI turn warnings into errors; a packager's plain build, or a
# newer compiler with new false positives, still builds.
option(ORBO_WERROR "Treat compiler warnings as errors" OFF)

set(ORBO_WARNING_FLAGS
  -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)

function(orbo_warnings target)
  target_compile_options(${target} PRIVATE ${ORBO_WARNING_FLAGS})
  if(ORBO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A library of one folder: its sources, warnings on, the project root on the include path
# of everyone who links it.
function(orbo_library target)
  add_library(${target} STATIC ${ARGN})
  orbo_warnings(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
