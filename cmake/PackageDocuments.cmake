# The documents installed beside the programs: the man pages, the copyright file made from LICENSE
# and a Debian changelog made from the version's section of CHANGELOG.md. Each is gzipped as Debian
# keeps them (gzip -9n: no name and no time stamp inside, so the same sources give the same bytes);
# where gzip is missing they are installed as they are.
# In:  PROJECT_VERSION, CPACK_PACKAGE_CONTACT, PLORIK_GUI.
# Out: PLORIK_MAN_PAGES and PLORIK_DOC_FILES, the files to install; the target plorik-man-page.

set(PLORIK_DOCS_DIR ${CMAKE_CURRENT_BINARY_DIR}/package-docs)
file(MAKE_DIRECTORY ${PLORIK_DOCS_DIR})

# The version's section of CHANGELOG.md: "## [VERSION] - YYYY-MM-DD" up to the next "## ". A version
# without its section stops here, so no build of it goes out without release notes.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/CHANGELOG.md plorik_changelog)
string(REPLACE "." "\\." plorik_version_pattern "${PROJECT_VERSION}")
string(REGEX MATCH "\n## \\[${plorik_version_pattern}\\] - ([0-9]+)-([0-9]+)-([0-9]+)\n" plorik_heading
             "${plorik_changelog}")
if(NOT plorik_heading)
  message(FATAL_ERROR "CHANGELOG.md has no section \"## [${PROJECT_VERSION}] - YYYY-MM-DD\" for this version.")
endif()
set(plorik_year ${CMAKE_MATCH_1})
math(EXPR plorik_month "${CMAKE_MATCH_2}")
math(EXPR plorik_day "${CMAKE_MATCH_3}")
string(FIND "${plorik_changelog}" "${plorik_heading}" plorik_start)
string(LENGTH "${plorik_heading}" plorik_length)
math(EXPR plorik_start "${plorik_start} + ${plorik_length}")
string(SUBSTRING "${plorik_changelog}" ${plorik_start} -1 plorik_section)
string(FIND "${plorik_section}" "\n## " plorik_end)
string(SUBSTRING "${plorik_section}" 0 ${plorik_end} plorik_section)

# The Debian changelog names the areas of the section (its "- **Area.**" items).
string(REGEX MATCHALL "\n- \\*\\*[^*\n]+\\*\\*" plorik_areas "${plorik_section}")
set(PLORIK_RELEASE_ITEMS "")
foreach(plorik_area ${plorik_areas})
  string(REGEX REPLACE "\n- \\*\\*([^*\n]+)\\*\\*" "\\1" plorik_area "${plorik_area}")
  string(APPEND PLORIK_RELEASE_ITEMS "  * ${plorik_area}\n")
endforeach()
if(PLORIK_RELEASE_ITEMS STREQUAL "")
  message(FATAL_ERROR "The section of ${PROJECT_VERSION} in CHANGELOG.md names no area (\"- **Area.** ...\").")
endif()

# The date as Debian writes it, "Thu, 10 Dec 2026 00:00:00 +0000"; the weekday by Sakamoto's rule.
set(plorik_offsets 0 3 2 5 0 3 5 1 4 6 2 4)
math(EXPR plorik_month_index "${plorik_month} - 1")
list(GET plorik_offsets ${plorik_month_index} plorik_offset)
set(plorik_y ${plorik_year})
if(plorik_month LESS 3)
  math(EXPR plorik_y "${plorik_y} - 1")
endif()
math(EXPR plorik_weekday
     "(${plorik_y} + ${plorik_y} / 4 - ${plorik_y} / 100 + ${plorik_y} / 400 + ${plorik_offset} + ${plorik_day}) % 7")
set(plorik_weekdays Sun Mon Tue Wed Thu Fri Sat)
set(plorik_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET plorik_weekdays ${plorik_weekday} plorik_weekday)
list(GET plorik_months ${plorik_month_index} plorik_month_name)
if(plorik_day LESS 10)
  set(plorik_day "0${plorik_day}")
endif()
set(PLORIK_RELEASE_DATE "${plorik_weekday}, ${plorik_day} ${plorik_month_name} ${plorik_year} 00:00:00 +0000")
configure_file(cmake/debian/changelog.in ${PLORIK_DOCS_DIR}/changelog @ONLY)

# The copyright file in Debian's machine-readable form, with LICENSE's own lines.
file(STRINGS ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE plorik_license_lines)
set(PLORIK_COPYRIGHT "")
set(PLORIK_LICENSE_TEXT "")
foreach(plorik_line IN LISTS plorik_license_lines)
  if(plorik_line MATCHES "^Copyright \\(c\\) (.+)$")
    set(PLORIK_COPYRIGHT "${CMAKE_MATCH_1}")
  elseif(PLORIK_COPYRIGHT STREQUAL "")
    continue() # the title and the blank line before the copyright line
  elseif(plorik_line STREQUAL "")
    string(APPEND PLORIK_LICENSE_TEXT " .\n")
  else()
    string(APPEND PLORIK_LICENSE_TEXT " ${plorik_line}\n")
  endif()
endforeach()
string(REGEX REPLACE "^ \\.\n" "" PLORIK_LICENSE_TEXT "${PLORIK_LICENSE_TEXT}")
string(REGEX REPLACE "\n$" "" PLORIK_LICENSE_TEXT "${PLORIK_LICENSE_TEXT}")
configure_file(cmake/debian/copyright.in ${PLORIK_DOCS_DIR}/copyright @ONLY)

configure_file(data/man/plorik.1.in ${PLORIK_DOCS_DIR}/plorik.1 @ONLY)
add_custom_command(OUTPUT ${PLORIK_DOCS_DIR}/plorik-cli.1 COMMAND plorik-make-man > ${PLORIK_DOCS_DIR}/plorik-cli.1
                   DEPENDS plorik-make-man COMMENT "Writing the man page plorik-cli.1")

set(PLORIK_MAN_PAGES ${PLORIK_DOCS_DIR}/plorik-cli.1)
if(PLORIK_GUI)
  list(APPEND PLORIK_MAN_PAGES ${PLORIK_DOCS_DIR}/plorik.1)
endif()
set(PLORIK_DOC_FILES ${PLORIK_DOCS_DIR}/copyright)
set(plorik_compressed ${PLORIK_DOCS_DIR}/changelog ${PLORIK_MAN_PAGES})

find_program(PLORIK_GZIP gzip)
if(PLORIK_GZIP)
  set(plorik_gzipped "")
  foreach(plorik_file ${plorik_compressed})
    add_custom_command(OUTPUT ${plorik_file}.gz COMMAND ${PLORIK_GZIP} -9nkf ${plorik_file} DEPENDS ${plorik_file})
    list(APPEND plorik_gzipped ${plorik_file}.gz)
  endforeach()
  list(TRANSFORM PLORIK_MAN_PAGES APPEND .gz)
  list(APPEND PLORIK_DOC_FILES ${PLORIK_DOCS_DIR}/changelog.gz)
  add_custom_target(plorik-man-page ALL DEPENDS ${plorik_gzipped})
else()
  list(APPEND PLORIK_DOC_FILES ${PLORIK_DOCS_DIR}/changelog)
  add_custom_target(plorik-man-page ALL DEPENDS ${PLORIK_DOCS_DIR}/plorik-cli.1)
endif()
