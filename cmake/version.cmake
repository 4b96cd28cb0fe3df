# The version and the rights notice, for everything that states them: both
# programs' version records and manifests, the About text, the user guide,
# the zip's name and the tests that expect the shipped values. The version
# is project()'s; the notice is written here.
set(CORELIM_RIGHTS_NOTICE "Copyright (C) 2026 Corelim developers")

# A version record's fixed part holds four 16-bit numbers; the fourth, the
# build, is always 0.
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "project(Corelim VERSION ${PROJECT_VERSION}): write the version as three numbers, major.minor.patch")
endif()
set(CORELIM_FILE_VERSION ${PROJECT_VERSION}.0)

set(CORELIM_VERSION_HEADER ${CMAKE_BINARY_DIR}/generated/corelim_version.h)
configure_file(${PROJECT_SOURCE_DIR}/resources/corelim_version.h.in ${CORELIM_VERSION_HEADER} @ONLY)
add_library(corelim_version INTERFACE)
target_include_directories(corelim_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
