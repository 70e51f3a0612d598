# SPDX-License-Identifier: GPL-3.0-or-later
# The protections Debian builds its programs with, so that what we ship passes
# hardening-check: fortified libc calls (they need optimisation), stack
# protector and stack clash checks, control-flow protection where the target
# has it, position-independent executables and read-only relocations bound at
# start. The sanitizer and fuzz builds bring flags of their own (FORTIFY does
# not mix with AddressSanitizer), and a packager whose own flags already say
# all this can turn ours off.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

option(ORBO_HARDENING "Build with the hardening flags Debian expects" ON)

if(ORBO_HARDENING AND NOT ORBO_SANITIZE AND NOT ORBO_FUZZ)
  add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>
                      -fstack-protector-strong -fstack-clash-protection)
  check_cxx_compiler_flag(-fcf-protection ORBO_HAS_CF_PROTECTION)
  if(ORBO_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection)
  endif()
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_link_options(LINKER:-z,relro,-z,now)
endif()
