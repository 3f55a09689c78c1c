# SPDX-License-Identifier: MIT
# cmake -DCONTENTS=list -DSTRIP=strip -DSTAGE=dir -DNAME=folder -DZIP=file -P make_zip.cmake
# Copies every file of the list ("place source" a line) into STAGE/NAME, strips the symbols off each
# program and DLL (none is needed to run, and they are most of a Release DLL's size), and packs the
# folder as ZIP.
file(STRINGS ${CONTENTS} lines)
set(root ${STAGE}/${NAME})
file(REMOVE_RECURSE ${root})
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^([^ ]+) (.+)$")
        message(FATAL_ERROR "Not a 'place source' line: '${line}'")
    endif()
    set(place ${root}/${CMAKE_MATCH_1})
    get_filename_component(folder ${place} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(COPY_FILE ${CMAKE_MATCH_2} ${place})
    if(place MATCHES "\\.(exe|dll)$")
        execute_process(COMMAND ${STRIP} --strip-unneeded ${place} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
file(REMOVE ${ZIP})
file(ARCHIVE_CREATE OUTPUT ${ZIP} PATHS ${NAME} FORMAT zip) # paths as given: run from STAGE
