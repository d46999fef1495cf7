# Installs the build into SCRATCH under the prefix /usr, as the package does,
# and checks what a desktop needs: the entry under its application id, the
# program it starts, its icon in every shipped size (each picture as large as
# its folder says), the metainfo that points back at the entry, the manual
# page of this version, the copyright file and the changelog of this version.
#
# cmake -DBUILD_DIR=... -DSCRATCH=... -DICONS_DIR=... -DAPP_ID=... -DVERSION=... -P check-install.cmake
cmake_minimum_required(VERSION 3.21)

file(REMOVE_RECURSE "${SCRATCH}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${SCRATCH}"
            "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix /usr
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(usr "${SCRATCH}/usr")
set(problems "")
macro(problem text)
    string(APPEND problems "  ${text}\n")
endmacro()

# The program.
set(program "${usr}/bin/brewlore")
if(EXISTS "${program}")
    file(READ "${program}" magic LIMIT 4 HEX)
    if(NOT magic STREQUAL "7f454c46")
        problem("usr/bin/brewlore is not an ELF executable")
    endif()
else()
    problem("usr/bin/brewlore is missing")
endif()

# The desktop entry, found by its file name.
set(desktop "${usr}/share/applications/${APP_ID}.desktop")
set(exec "")
set(icon "")
if(EXISTS "${desktop}")
    file(STRINGS "${desktop}" lines)
    foreach(line IN LISTS lines)
        if(line MATCHES "^Exec=([^ ]+)")
            set(exec "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^Icon=(.+)$")
            set(icon "${CMAKE_MATCH_1}")
        endif()
    endforeach()
    if(NOT exec OR NOT EXISTS "${usr}/bin/${exec}")
        problem("Exec=${exec} names no program in usr/bin")
    endif()
    if(NOT icon)
        problem("the desktop entry names no icon")
    endif()
else()
    problem("usr/share/applications/${APP_ID}.desktop is missing")
endif()

# The icon in the hicolor theme: every size shipped, 48x48 at least, which
# the icon theme rules require of every application icon.
if(icon)
    set(hicolor "${usr}/share/icons/hicolor")
    file(GLOB sizes RELATIVE "${ICONS_DIR}" "${ICONS_DIR}/*")
    if(NOT "48x48" IN_LIST sizes)
        problem("no 48x48 icon is shipped")
    endif()
    foreach(size IN LISTS sizes)
        if(size STREQUAL "scalable")
            if(NOT EXISTS "${hicolor}/scalable/apps/${icon}.svg")
                problem("hicolor/scalable/apps/${icon}.svg is missing")
            endif()
            continue()
        endif()
        set(png "${hicolor}/${size}/apps/${icon}.png")
        if(NOT EXISTS "${png}")
            problem("hicolor/${size}/apps/${icon}.png is missing")
            continue()
        endif()
        # The PNG header: signature, IHDR length and type, then width and height.
        file(READ "${png}" header LIMIT 24 HEX)
        string(SUBSTRING "${header}" 32 8 width)
        string(SUBSTRING "${header}" 40 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT "${width}x${height}" STREQUAL size)
            problem("hicolor/${size}/apps/${icon}.png is ${width}x${height}")
        endif()
    endforeach()
endif()

# The metainfo, under the same id, launching the same entry.
set(metainfo "${usr}/share/metainfo/${APP_ID}.metainfo.xml")
if(EXISTS "${metainfo}")
    file(READ "${metainfo}" text)
    foreach(expected IN ITEMS
            "<id>${APP_ID}</id>"
            "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
            "<binary>${exec}</binary>"
            "<release version=\"${VERSION}\"")
        string(FIND "${text}" "${expected}" at)
        if(at EQUAL -1)
            problem("the metainfo lacks ${expected}")
        endif()
    endforeach()
    if(text MATCHES "@[A-Za-z_]+@")
        problem("the metainfo keeps an unreplaced ${CMAKE_MATCH_0}")
    endif()
else()
    problem("usr/share/metainfo/${APP_ID}.metainfo.xml is missing")
endif()

# The first match of regex in a gzip-compressed file, or "" when the file is
# missing or broken.
find_program(GZIP gzip REQUIRED)
function(gunzip_match path regex out)
    set(line "")
    if(EXISTS "${path}")
        execute_process(COMMAND "${GZIP}" -dc "${path}" OUTPUT_VARIABLE text RESULT_VARIABLE result)
        if(result EQUAL 0)
            string(REGEX MATCH "${regex}" line "${text}")
        endif()
    endif()
    set(${out} "${line}" PARENT_SCOPE)
endfunction()

# The manual page, compressed where man looks, telling this version in its
# header.
gunzip_match("${usr}/share/man/man1/brewlore.1.gz" "(^|\n)\\.TH [^\n]*" header)
if(NOT header)
    problem("usr/share/man/man1/brewlore.1.gz is missing or unreadable")
else()
    string(FIND "${header}" "\"Brewlore ${VERSION}\"" at)
    if(at EQUAL -1)
        problem("the manual page's header is not for version ${VERSION}: ${header}")
    endif()
endif()

# The changelog's newest entry is this version's: a version raised in the
# project without its entry would ship the last release's notes.
gunzip_match("${usr}/share/doc/brewlore/changelog.gz" "^[^\n]*" entry)
string(FIND "${entry}" "brewlore (${VERSION}) " at)
if(NOT at EQUAL 0)
    problem("usr/share/doc/brewlore/changelog.gz does not begin with version ${VERSION}: ${entry}")
endif()
if(NOT EXISTS "${usr}/share/doc/brewlore/copyright")
    problem("usr/share/doc/brewlore/copyright is missing")
endif()

if(problems)
    message(FATAL_ERROR "The installed tree is not what a desktop expects:\n${problems}")
endif()
message(STATUS "install tree complete: program, desktop entry, metainfo, ${icon} icons, manual, copyright, changelog")
