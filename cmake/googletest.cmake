# GoogleTest for both builds. The cross build compiles Debian's copy of the
# sources (libgtest-dev ships them) with the MinGW toolchain.
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Warnings as errors are for our own code, not for Debian's copy of theirs.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# corelim_add_gtest(name SOURCES... [LIBRARIES...] [ENVIRONMENT vars...]
# [WESTERN_TOO]): one test program and one CTest entry. Natively every case
# is its own entry; under Wine the program runs once, since each Wine
# process start costs a second or more. WESTERN_TOO runs it a second time
# under Wine as ${name}_en_US, with LANG=en_US.UTF-8 (code page 1252) in
# place of the environment's LANG. The Windows programs are recorded for
# the test bundle too (tests/bundle), so that Wine and Windows run one list.
function(corelim_add_gtest name)
  cmake_parse_arguments(arg "WESTERN_TOO" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${arg_SOURCES})
  corelim_warnings(${name})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    set_property(GLOBAL APPEND PROPERTY CORELIM_BUNDLED_TESTS ${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
    if(arg_WESTERN_TOO)
      set(western ${arg_ENVIRONMENT})
      list(FILTER western EXCLUDE REGEX "^LANG=")
      add_test(NAME ${name}_en_US COMMAND ${name})
      set_tests_properties(${name}_en_US PROPERTIES ENVIRONMENT "${western};LANG=en_US.UTF-8")
    endif()
  else()
    gtest_discover_tests(${name} PROPERTIES ENVIRONMENT "${arg_ENVIRONMENT}")
  endif()
endfunction()
