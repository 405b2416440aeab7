# The documents installed beside the program, made when the build is configured: the Debian
# changelog and the metainfo's releases from CHANGELOG.md, the machine-readable copyright file
# from LICENSE, and the manual page. Everything compressed here is compressed with gzip -9n, so
# that the package carries no time stamps and is the same at every build.
find_program(ROLLKIN_GZIP gzip REQUIRED)
file(MAKE_DIRECTORY ${ROLLKIN_DOC_DIR})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/LICENSE)

function(rollkin_gzip file)
    execute_process(COMMAND ${ROLLKIN_GZIP} -9nc ${file} OUTPUT_FILE ${file}.gz
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "gzip ${file}: ${status}")
    endif()
endfunction()

# The lines of a text file as a list. A semicolon would split a line, so the text's own
# semicolons travel as the unit separator (ASCII 31) and ROLLKIN_SEMICOLON turns them back.
string(ASCII 31 ROLLKIN_SEMICOLON)
function(rollkin_read_lines file out)
    file(READ ${file} text)
    string(REPLACE ";" "${ROLLKIN_SEMICOLON}" text "${text}")
    string(REPLACE "\n" ";" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# "Mon, 07 Dec 2026 00:00:00 +0000" for 2026-12-07: the date form of a Debian changelog.
function(rollkin_rfc2822_date year month day out)
    foreach(v year month day)
        string(REGEX REPLACE "^0+([0-9])" "\\1" ${v} "${${v}}")
    endforeach()
    # Sakamoto's rule for the day of the week, 0 for Sunday.
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR m "${month} - 1")
    list(GET offsets ${m} offset)
    set(y ${year})
    if(month LESS 3)
        math(EXPR y "${y} - 1")
    endif()
    math(EXPR dow "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
    set(days Sun Mon Tue Wed Thu Fri Sat)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET days ${dow} d)
    list(GET months ${m} mon)
    if(day LESS 10)
        set(day "0${day}")
    endif()
    set(${out} "${d}, ${day} ${mon} ${year} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# CHANGELOG.md: "## VERSION (YYYY-MM-DD)" opens a release, "- " an item, two spaces go on with it.
rollkin_read_lines(${PROJECT_SOURCE_DIR}/CHANGELOG.md notes)
set(debian_changelog "")
set(metainfo_releases "")
set(release "")
set(item "")
set(items "")
set(ROLLKIN_RELEASE_DATE "")
# One more empty heading at the end closes the last release.
list(APPEND notes "## end")
foreach(line IN LISTS notes)
    string(REPLACE "${ROLLKIN_SEMICOLON}" ";" line "${line}")
    if(line MATCHES "^## ")
        if(item)
            string(APPEND items "          <li>${item}</li>\n")
        endif()
        if(release)
            if(items STREQUAL "")
                message(FATAL_ERROR "CHANGELOG.md: release ${release} has no notes")
            endif()
            rollkin_rfc2822_date(${release_year} ${release_month} ${release_day} when)
            string(APPEND debian_changelog "\n -- ${CPACK_PACKAGE_CONTACT}  ${when}\n\n")
            string(APPEND metainfo_releases
                   "    <release version=\"${release}\" date=\"${release_date}\">\n"
                   "      <description>\n        <ul>\n${items}        </ul>\n"
                   "      </description>\n    </release>\n")
        endif()
        set(item "")
        set(items "")
        set(release "")
        if(line MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) \\((([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9]))\\)$")
            set(release ${CMAKE_MATCH_1})
            set(release_date ${CMAKE_MATCH_2})
            set(release_year ${CMAKE_MATCH_3})
            set(release_month ${CMAKE_MATCH_4})
            set(release_day ${CMAKE_MATCH_5})
            if(NOT ROLLKIN_RELEASE_DATE)
                if(NOT release STREQUAL PROJECT_VERSION)
                    message(FATAL_ERROR "CHANGELOG.md: the newest release is ${release}, "
                                        "the project's version ${PROJECT_VERSION}")
                endif()
                set(ROLLKIN_RELEASE_DATE ${release_date})
            endif()
            string(APPEND debian_changelog
                   "${CPACK_PACKAGE_NAME} (${release}) unstable; urgency=medium\n\n")
        elseif(NOT line STREQUAL "## end")
            message(FATAL_ERROR "CHANGELOG.md: not a release heading: ${line}")
        endif()
    elseif(release AND line MATCHES "^(- |  )(.*)$")
        string(LENGTH "${line}" length)
        if(length GREATER 76)
            message(FATAL_ERROR "CHANGELOG.md: longer than 76 characters: ${line}")
        endif()
        set(text "${CMAKE_MATCH_2}")
        if(CMAKE_MATCH_1 STREQUAL "- ")
            if(item)
                string(APPEND items "          <li>${item}</li>\n")
            endif()
            set(item "")
            string(APPEND debian_changelog "  * ${text}\n")
        else()
            string(APPEND debian_changelog "    ${text}\n")
        endif()
        string(REPLACE "&" "&amp;" text "${text}")
        string(REPLACE "<" "&lt;" text "${text}")
        string(REPLACE ">" "&gt;" text "${text}")
        if(item)
            string(APPEND item " ")
        endif()
        string(APPEND item "${text}")
    elseif(release AND NOT line STREQUAL "")
        message(FATAL_ERROR "CHANGELOG.md: neither an item nor its continuation: ${line}")
    endif()
endforeach()
if(NOT ROLLKIN_RELEASE_DATE)
    message(FATAL_ERROR "CHANGELOG.md lists no release")
endif()
string(STRIP "${metainfo_releases}" ROLLKIN_METAINFO_RELEASES)
string(STRIP "${debian_changelog}" debian_changelog)
file(WRITE ${ROLLKIN_DOC_DIR}/changelog "${debian_changelog}\n")
rollkin_gzip(${ROLLKIN_DOC_DIR}/changelog)
configure_file(packaging/${ROLLKIN_APP_ID}.metainfo.xml
               ${ROLLKIN_DOC_DIR}/${ROLLKIN_APP_ID}.metainfo.xml @ONLY)

# The copyright file in Debian's machine-readable form (DEP-5): the notice and the licence text
# of LICENSE, whose licence Debian calls Expat.
rollkin_read_lines(${PROJECT_SOURCE_DIR}/LICENSE licence)
set(copyright "")
set(licence_text "")
foreach(line IN LISTS licence)
    string(REPLACE "${ROLLKIN_SEMICOLON}" ";" line "${line}")
    if(line MATCHES "^Copyright \\(c\\) (.+)$")
        set(copyright "${CMAKE_MATCH_1}")
    elseif(copyright AND line STREQUAL "")
        string(APPEND licence_text " .\n")
    elseif(copyright)
        string(APPEND licence_text " ${line}\n")
    endif()
endforeach()
string(REGEX REPLACE "^ \\.\n(.*)( \\.\n)+$" "\\1" licence_text "${licence_text}")
if(NOT copyright OR NOT licence_text)
    message(FATAL_ERROR "LICENSE: no copyright line or no licence text")
endif()
file(WRITE ${ROLLKIN_DOC_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: DiceRollkin

Files: *
Copyright: ${copyright}
License: Expat
${licence_text}")

# The manual page, plain roff; the version and the date of the release go in its heading.
configure_file(docs/dicerollkin.6.in ${ROLLKIN_DOC_DIR}/dicerollkin.6 @ONLY)
rollkin_gzip(${ROLLKIN_DOC_DIR}/dicerollkin.6)
