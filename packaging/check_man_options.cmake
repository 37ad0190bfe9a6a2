# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a program's --help names a long option that its manual page does not, so that an
# option added later cannot go undocumented there.
#   cmake -DPROGRAM=<path> -DPAGE=<man page source> -P check_man_options.cmake

execute_process(COMMAND "${PROGRAM}" --help RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE help)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed (${status}):\n${help}")
endif()
file(READ "${PAGE}" page)
# The page writes each dash of an option as "\-".
string(REPLACE "\\-" "-" page "${page}")
string(REGEX MATCHALL "--[a-z][a-z-]*" options "${help}")
list(REMOVE_DUPLICATES options)
set(missing)
foreach(option IN LISTS options)
    string(FIND "${page}" "${option}" at)
    if(at LESS 0)
        list(APPEND missing "${option}")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "${PAGE} does not describe: ${missing}")
endif()
if(NOT options)
    message(FATAL_ERROR "no options found in ${PROGRAM} --help")
endif()
