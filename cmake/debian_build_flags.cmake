# Optimised Linux builds take Debian's build flags with full hardening, as a Debian package is
# built: stack protector, _FORTIFY_SOURCE, format checks, read-only relocations bound at start-up
# (relro, bind-now) and a position-independent executable, plus the path mapping that keeps the
# build directory out of the binary. The build type keeps its own optimisation and debug
# information, so -O and -g are taken from it, not from Debian's defaults.
#
# Left out: sanitizer builds (their runtime does its own checking and clashes with _FORTIFY_SOURCE),
# Debug builds (_FORTIFY_SOURCE needs optimisation) and cross builds for other systems.
set(BRIVAN_HARDENED OFF)
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux" OR BRIVAN_SANITIZE OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags was not found (Debian's dpkg-dev): building without hardening")
  return()
endif()

# Debian's flags of one kind, without its optimisation level and debug information.
function(brivan_debian_flags kind out)
  # Run in the source directory: the path mapping (-ffile-prefix-map) is made from it.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(g|O).*")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

brivan_debian_flags(CPPFLAGS cppflags)
brivan_debian_flags(CXXFLAGS cxxflags)
brivan_debian_flags(LDFLAGS ldflags)
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})
set(BRIVAN_HARDENED ON)
string(JOIN " " all_flags ${cppflags} ${cxxflags} ${ldflags})
message(STATUS "Debian build flags: ${all_flags}")
