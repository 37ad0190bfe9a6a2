# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source, build or script file of the project does not name its licence in an
# SPDX line near its top, so a file added later cannot leave it out unnoticed.
#   cmake -DSOURCE_DIR=<checkout> -P check_licence_headers.cmake

file(GLOB_RECURSE candidates LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
     "${SOURCE_DIR}/src/*" "${SOURCE_DIR}/tests/*" "${SOURCE_DIR}/bench/*" "${SOURCE_DIR}/fuzz/*"
     "${SOURCE_DIR}/cmake/*" "${SOURCE_DIR}/packaging/*" "${SOURCE_DIR}/scripts/*"
     "${SOURCE_DIR}/.ci/*" "${SOURCE_DIR}/CMakeLists.txt")
set(missing)
foreach(file IN LISTS candidates)
    # Fuzzer seeds are data, and Debian's changelog format has no comments; every other kind of
    # file here can carry one.
    if(file MATCHES "^(fuzz/corpus|packaging/debian)/" OR NOT file MATCHES "(\\.(cpp|h|sh|cmake|in|dict|desktop|svg|xml|[0-9])|CMakeLists\\.txt|^scripts/[^/.]+|^bench/run|^\\.ci/run)$")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" head LIMIT_COUNT 3)
    if(NOT head MATCHES "SPDX-License-Identifier: (GPL-3\\.0-or-later|CC0-1\\.0)")
        list(APPEND missing "${file}")
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " lines)
    message(FATAL_ERROR "no SPDX-License-Identifier line in the first three lines of:\n  ${lines}")
endif()
