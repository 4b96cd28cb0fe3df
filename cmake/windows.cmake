# The shipped programs: statically linked, importing only Windows' own DLLs,
# with ASLR and DEP, both written into one folder.
set(CORELIM_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--dynamicbase,--nxcompat)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
enable_language(RC)

# Test programs run under Wine in a prefix of the build tree's own.
set(CORELIM_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/wine-run CONTENT
"#!/bin/sh
WINEPREFIX='${CORELIM_WINEPREFIX}' exec '${PROJECT_SOURCE_DIR}/tools/wine-run' \"$@\"
")
file(CHMOD ${CMAKE_BINARY_DIR}/wine-run PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)

# corelim_deliverable(target): a shipped program, written into bin/ and
# stripped of symbols.
function(corelim_deliverable target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CORELIM_BIN_DIR})
  target_link_options(${target} PRIVATE -s)
endfunction()
