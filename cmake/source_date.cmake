# The time the programs' headers and the zip's entries carry: the last
# commit's, so that the same source gives the same bytes wherever and
# whenever it is built. SOURCE_DATE_EPOCH, where a rebuilder sets it, wins.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(CORELIM_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE CORELIM_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  # A new commit gives a new time: configure again after one.
  execute_process(COMMAND git rev-parse --path-format=absolute --git-path logs/HEAD
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE head_log OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(EXISTS "${head_log}")
    set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${head_log})
  endif()
endif()
if(NOT CORELIM_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "Cannot tell the source's date for the programs and the zip: build from a git checkout, "
    "or set SOURCE_DATE_EPOCH to the source's time in seconds since 1970.")
endif()
