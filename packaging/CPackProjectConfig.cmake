# SPDX-License-Identifier: GPL-3.0-or-later
# cpack reads this for every package it makes. CPackDeb finds the programs by
# running "${FILE_EXECUTABLE} ./PATH"; --raw keeps non-ASCII names as they are.
find_program(ORBO_FILE_PROGRAM file REQUIRED)
set(FILE_EXECUTABLE "${ORBO_FILE_PROGRAM};--raw" CACHE FILEPATH "The file program CPackDeb runs" FORCE)
