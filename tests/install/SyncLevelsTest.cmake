# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# Lays levels out again and again in a scratch folder, as successive builds do,
# with files of the player's own in between; none of them may ever be lost.
# Usage: cmake -DSYNC=.../SyncLevels.cmake -DWORK=scratch-folder -P SyncLevelsTest.cmake

file(REMOVE_RECURSE "${WORK}")
set(sources "${WORK}/sources")
set(folder "${WORK}/Этажи")
set(record "${WORK}/laid-out.txt")
file(MAKE_DIRECTORY "${sources}")

function(write_source name content)
  file(WRITE "${sources}/${name}" "${content}")
endfunction()

# One build's layout step over the given source names; its warnings land in `warnings`.
function(lay_out)
  set(levels "")
  foreach(name IN LISTS ARGN)
    list(APPEND levels "${sources}/${name}")
  endforeach()
  execute_process(
    COMMAND ${CMAKE_COMMAND} "-DLEVELS=${levels}" "-DFOLDER=${folder}" "-DRECORD=${record}" -P "${SYNC}"
    RESULT_VARIABLE status ERROR_VARIABLE errors OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "laying out failed: ${errors}")
  endif()
  set(warnings "${errors}" PARENT_SCOPE)
endfunction()

function(expect_content name expected)
  if(NOT EXISTS "${folder}/${name}")
    message(FATAL_ERROR "${name} is gone from the level folder")
  endif()
  file(READ "${folder}/${name}" actual)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${name} holds '${actual}', expected '${expected}'")
  endif()
endfunction()

function(expect_warning_names name)
  string(FIND "${warnings}" "${name}" at)
  if(at LESS 0)
    message(FATAL_ERROR "no warning names ${name}; the warnings were: '${warnings}'")
  endif()
endfunction()

# A first build lays out the shipped levels, and nothing else.
write_source(Orbo0.orb "level zero")
write_source(Orbo1.orb "level one")
lay_out(Orbo0.orb Orbo1.orb)
expect_content(Orbo0.orb "level zero")
expect_content(Orbo1.orb "level one")
file(GLOB laid LIST_DIRECTORIES true RELATIVE "${folder}" "${folder}/*")
list(LENGTH laid count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "the level folder holds ${laid}")
endif()
if(NOT warnings STREQUAL "")
  message(FATAL_ERROR "a clean layout warned: ${warnings}")
endif()

# The editor saves a level into the folder, twice under the same name across
# rebuilds (it numbers by the files it finds), and keeps a folder of drafts.
file(WRITE "${folder}/Этаж2.orb" "first painting")
file(MAKE_DIRECTORY "${folder}/drafts")
file(WRITE "${folder}/drafts/Этаж2.orb" "a draft")
write_source(Orbo1.orb "level one, improved")
lay_out(Orbo0.orb Orbo1.orb)
expect_content(Этаж2.orb "first painting")
expect_content(drafts/Этаж2.orb "a draft")
expect_warning_names(Этаж2.orb)
file(WRITE "${folder}/Этаж3.orb" "second painting")
write_source(Orbo0.orb "level zero, improved")
lay_out(Orbo0.orb Orbo1.orb)
expect_content(Этаж2.orb "first painting")
expect_content(Этаж3.orb "second painting")

# Shipped levels the build laid out follow their sources...
expect_content(Orbo0.orb "level zero, improved")
expect_content(Orbo1.orb "level one, improved")

# ...but one changed by hand in the folder is kept as it is and named.
file(WRITE "${folder}/Orbo1.orb" "my own level one")
write_source(Orbo1.orb "level one, third take")
lay_out(Orbo0.orb Orbo1.orb)
expect_content(Orbo1.orb "my own level one")
expect_warning_names(Orbo1.orb)
# Deleting it brings the shipped one back.
file(REMOVE "${folder}/Orbo1.orb")
lay_out(Orbo0.orb Orbo1.orb)
expect_content(Orbo1.orb "level one, third take")

# A level no longer shipped leaves the folder only if nobody has changed it.
write_source(Orbo2.orb "level two")
write_source(Orbo3.orb "level three")
lay_out(Orbo0.orb Orbo1.orb Orbo2.orb Orbo3.orb)
file(WRITE "${folder}/Orbo3.orb" "level three, edited here")
lay_out(Orbo0.orb Orbo1.orb)
if(EXISTS "${folder}/Orbo2.orb")
  message(FATAL_ERROR "a level dropped from the sources, untouched since the build laid it out, is still there")
endif()
expect_content(Orbo3.orb "level three, edited here")
expect_warning_names(Orbo3.orb)

# A level folder laid out before there was a record: a file equal to its
# shipped level becomes the build's own, any other is kept.
file(REMOVE "${record}")
file(WRITE "${folder}/Orbo1.orb" "an old build's level one")
lay_out(Orbo0.orb Orbo1.orb)
write_source(Orbo0.orb "level zero, final")
lay_out(Orbo0.orb Orbo1.orb)
expect_content(Orbo0.orb "level zero, final")
expect_content(Orbo1.orb "an old build's level one")
