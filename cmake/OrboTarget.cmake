# Contributors: read NOTES.md at the project root first (house rules).
# Warnings are errors in the project's own code.
function(orbo_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A library of one folder: its sources, warnings on, the project root on the include path
# of everyone who links it.
function(orbo_library target)
  add_library(${target} STATIC ${ARGN})
  orbo_warnings(${target})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
