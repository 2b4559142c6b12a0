# Read by cpack before it makes the package: the time stamped on every file in it is the time of
# the last commit, which the same commit always gives, unless SOURCE_DATE_EPOCH is set already.
# Outside a git checkout the package keeps the time it was made.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_BRIVAN_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
  if(NOT failed AND epoch MATCHES "^[0-9]+$")
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
  endif()
endif()
