# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into an empty prefix and checks what arrives: exactly the two programs, the
# desktop entry, the metainfo, the icons and the manual pages; the installed tape program runs; and, with
# APPSTREAMCLI, that the metainfo, the desktop entry and the icon agree with each other.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=bin -DDATADIR=share -DMANDIR=share/man
#         -DDOCDIR=share/doc/numerette -DMETAINFO=<file name> "-DICON_SIZES=16;22;..." [-DAPPSTREAMCLI=<path>] -P check_install.cmake

# cmake --install writes the list of installed files to the build folder's install_manifest.txt,
# which users keep for uninstalling; this trial install must leave theirs as it was.
set(manifest "${BUILD_DIR}/install_manifest.txt")
set(saved_manifest "${PREFIX}.manifest")
file(REMOVE_RECURSE "${PREFIX}" "${saved_manifest}")
if(EXISTS "${manifest}")
    file(COPY_FILE "${manifest}" "${saved_manifest}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE install_result OUTPUT_VARIABLE install_output ERROR_VARIABLE install_output)
if(EXISTS "${saved_manifest}")
    file(RENAME "${saved_manifest}" "${manifest}")
else()
    file(REMOVE "${manifest}")
endif()
if(NOT install_result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${install_result}):\n${install_output}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
set(expected
    "${BINDIR}/numerette"
    "${BINDIR}/numerette-tape"
    "${DATADIR}/applications/numerette.desktop"
    "${DATADIR}/icons/hicolor/scalable/apps/numerette.svg"
    "${DATADIR}/metainfo/${METAINFO}"
    "${MANDIR}/man1/numerette.1.gz"
    "${MANDIR}/man1/numerette-tape.1.gz"
    "${DOCDIR}/copyright"
    "${DOCDIR}/changelog.gz")
foreach(size IN LISTS ICON_SIZES)
    list(APPEND expected "${DATADIR}/icons/hicolor/${size}x${size}/apps/numerette.png")
endforeach()
list(SORT expected)
if(NOT installed STREQUAL expected)
    list(JOIN installed "\n  " installed_lines)
    list(JOIN expected "\n  " expected_lines)
    message(FATAL_ERROR "installed:\n  ${installed_lines}\nexpected:\n  ${expected_lines}")
endif()

execute_process(COMMAND "${PREFIX}/${BINDIR}/numerette-tape" "5+3="
                RESULT_VARIABLE tape_result OUTPUT_VARIABLE tape_output ERROR_VARIABLE tape_output)
if(NOT tape_result EQUAL 0 OR NOT tape_output MATCHES " 8 T\n")
    message(FATAL_ERROR "the installed numerette-tape did not add 5 and 3 (${tape_result}):\n${tape_output}")
endif()

if(APPSTREAMCLI)
    execute_process(COMMAND "${APPSTREAMCLI}" validate-tree --no-net "${PREFIX}"
                    RESULT_VARIABLE tree_result OUTPUT_VARIABLE tree_output ERROR_VARIABLE tree_output)
    if(NOT tree_result EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate-tree failed (${tree_result}):\n${tree_output}")
    endif()
endif()
