# The Debian package, as a Debian maintainer expects it: the documents every package carries
# (copyright, changelog, manual page), a wrapped long description, dependencies from the
# program's links, and the same bytes from the same commit. Included from packaging/CMakeLists.txt.

# The documents, installed by "cmake --install" as well. The changelog and the manual page are
# filled in with the version and compressed as Debian's tools do: gzip at its best, without the
# file's name and time (-n), so the same text always gives the same bytes.
# The package's version names the Debian release it was built on (1.00+deb12, 1.00+deb13), so that
# the two packages differ and a machine upgraded from Debian 12 to 13 is offered the newer one.
# Built elsewhere, it is the program's version alone.
set(BRIVAN_DEBIAN_VERSION ${PROJECT_VERSION})
if(EXISTS /etc/os-release)
  file(STRINGS /etc/os-release os_id REGEX "^ID=")
  file(STRINGS /etc/os-release os_version REGEX "^VERSION_ID=")
  string(REGEX REPLACE "^VERSION_ID=\"?([0-9]+).*" "\\1" os_version "${os_version}")
  if(os_id STREQUAL "ID=debian" AND os_version MATCHES "^[0-9]+$")
    string(APPEND BRIVAN_DEBIAN_VERSION "+deb${os_version}")
  endif()
endif()
set(CPACK_DEBIAN_PACKAGE_VERSION ${BRIVAN_DEBIAN_VERSION})

execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d ${BRIVAN_RELEASE_DATE}
  OUTPUT_VARIABLE BRIVAN_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(linux/changelog.in changelog @ONLY)
configure_file(linux/brivan.1.in brivan.1 @ONLY)
find_program(GZIP gzip REQUIRED)
set(compressed "")
foreach(document changelog brivan.1)
  add_custom_command(OUTPUT ${document}.gz
    COMMAND ${GZIP} -9n --force --keep ${document}
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${document}
    COMMENT "Compressing ${document}")
  list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/${document}.gz)
endforeach()
add_custom_target(brivan_documents ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/brivan.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES linux/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# A stripped install (as the package's is) also drops the compiler's version note, as Debian's own
# stripping does.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND [[${CMAKE_OBJCOPY}]] --remove-section=.comment
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:brivan>\" COMMAND_ERROR_IS_FATAL ANY)
endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # brivan_1.00+deb12_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt and C++ libraries come from the program's own links (dpkg-shlibdeps); Qt's X11 platform
# and its GIF and JPEG readers ship in libqt6gui6. The fonts are the metric twins of Times New
# Roman and Arial, without which text would not fit the labels.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "orca")

# Debian shows the long description line by line as written, so it is wrapped here; CPack puts
# the summary above it.
function(brivan_wrap text width out)
  string(REGEX MATCHALL "[^ ]+" words "${text}")
  set(wrapped "")
  set(line "")
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(line STREQUAL "")
      set(line "${word}")
    elseif(length GREATER width)
      string(APPEND wrapped "${line}\n")
      set(line "${word}")
    else()
      string(APPEND line " ${word}")
    endif()
  endforeach()
  set(${out} "${wrapped}${line}" PARENT_SCOPE)
endfunction()
brivan_wrap("${CPACK_PACKAGE_DESCRIPTION}" 72 CPACK_DEBIAN_PACKAGE_DESCRIPTION)

# The package's timestamps are the last commit's time (unless SOURCE_DATE_EPOCH is set already),
# so that two packages made from one commit are byte-identical. cpack runs this file.
set(CPACK_BRIVAN_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/source_date.cmake)
