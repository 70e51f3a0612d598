# SPDX-License-Identifier: GPL-3.0-or-later
cmake_minimum_required(VERSION 3.25)
# Lays the shipped LEVELS out in FOLDER and never loses a file it did not put
# there. RECORD keeps the name and SHA-256 of every level this script wrote;
# only a file that still holds exactly those bytes is the build's own, to be
# replaced or removed. Every other file stays as it is and is named in a
# warning, because the game counts every file in the folder as a level.

file(MAKE_DIRECTORY "${FOLDER}")

set(recordedNames "")
set(recordedHashes "")
if(EXISTS "${RECORD}")
  file(STRINGS "${RECORD}" lines ENCODING UTF-8)
  foreach(line IN LISTS lines)
    string(SUBSTRING "${line}" 0 64 hash)
    string(SUBSTRING "${line}" 65 -1 name)
    list(APPEND recordedNames "${name}")
    list(APPEND recordedHashes "${hash}")
  endforeach()
endif()

# Sets `out` to the SHA-256 of FOLDER/name, or to nothing when it is no regular file.
function(hash_in_folder name out)
  set(file "${FOLDER}/${name}")
  if(EXISTS "${file}" AND NOT IS_DIRECTORY "${file}")
    file(SHA256 "${file}" hash)
    set(${out} "${hash}" PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

# True when FOLDER/name holds exactly what this script wrote there last time.
function(untouched_since_laid_out name current out)
  list(FIND recordedNames "${name}" index)
  set(${out} FALSE PARENT_SCOPE)
  if(index GREATER_EQUAL 0 AND NOT current STREQUAL "")
    list(GET recordedHashes ${index} recorded)
    if(current STREQUAL recorded)
      set(${out} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()

set(record "")
set(shipped "")
set(kept "")
foreach(level IN LISTS LEVELS)
  get_filename_component(name "${level}" NAME)
  list(APPEND shipped "${name}")
  file(SHA256 "${level}" wanted)
  hash_in_folder("${name}" current)
  untouched_since_laid_out("${name}" "${current}" ours)
  if(NOT EXISTS "${FOLDER}/${name}" OR ours)
    file(COPY_FILE "${level}" "${FOLDER}/${name}" ONLY_IF_DIFFERENT)
    string(APPEND record "${wanted} ${name}\n")
  elseif(current STREQUAL wanted)
    string(APPEND record "${wanted} ${name}\n")
  else()
    list(APPEND kept "${name}")
  endif()
endforeach()

# A level that is no longer shipped goes only if nobody has changed it since.
foreach(name IN LISTS recordedNames)
  if(NOT name IN_LIST shipped)
    hash_in_folder("${name}" current)
    untouched_since_laid_out("${name}" "${current}" ours)
    if(ours)
      file(REMOVE "${FOLDER}/${name}")
    endif()
  endif()
endforeach()

file(WRITE "${RECORD}.new" "${record}")
file(RENAME "${RECORD}.new" "${RECORD}")

if(kept)
  list(JOIN kept ", " names)
  message(WARNING "Kept in ${FOLDER} as found, changed outside the build and so no longer the shipped levels "
                  "of the same name: ${names}. Delete them to get the shipped levels back.")
endif()
file(GLOB present LIST_DIRECTORIES false RELATIVE "${FOLDER}" "${FOLDER}/*")
set(strays "")
foreach(name IN LISTS present)
  if(NOT name IN_LIST shipped)
    list(APPEND strays "${name}")
  endif()
endforeach()
if(strays)
  list(JOIN strays ", " names)
  message(WARNING "Left in ${FOLDER} as found, not put there by the build: ${names}. The game counts every "
                  "file there as a level: rename a level you want to play to the next OrboN.orb, or move it elsewhere.")
endif()
