# The shipped programs: statically linked, importing only Windows' own DLLs,
# with ASLR and DEP, both written into one folder.
set(CORELIM_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--dynamicbase,--nxcompat)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
# The functions of comdlg32, ole32 and shell32 are declared without dllimport
# (the headers' switches for building those DLLs), so every call goes through
# the linker's thunk. The front end binds these DLLs through delay-import
# libraries (frontend/delay_import), whose __imp_ pointers binutils 2.40
# leaves null; their thunks work, as an ordinary import library's do. Set for
# all our code, so that no program that links both kinds can pick a null one.
add_compile_definitions(_COMDLG32_ _OLE32_ _SHELL32_)
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
# stripped of symbols. ld stamps the PE header with SOURCE_DATE_EPOCH when it
# is set, with the clock otherwise.
function(corelim_deliverable target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CORELIM_BIN_DIR}
    CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;SOURCE_DATE_EPOCH=${CORELIM_SOURCE_DATE_EPOCH}")
  target_link_options(${target} PRIVATE -s)
endfunction()

# corelim_resources(target script MANIFEST template): a program's resource
# script, with the version header, the icon and the manifest, configured into
# the build tree with the version. windres reads the icon and the manifest
# by name, which CMake's scan of #include lines does not follow: they are
# declared here so that editing either rebuilds the program. The template is
# declared too: configure_file leaves an unchanged manifest's time alone.
set(CORELIM_ICON ${PROJECT_SOURCE_DIR}/resources/corelim.ico)
function(corelim_resources target script)
  cmake_parse_arguments(arg "" "MANIFEST" "" ${ARGN})
  set(template ${CMAKE_CURRENT_SOURCE_DIR}/${arg_MANIFEST})
  get_filename_component(manifest ${arg_MANIFEST} NAME_WLE)
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${manifest})
  configure_file(${template} ${manifest} @ONLY)
  target_sources(${target} PRIVATE ${script})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR} ${PROJECT_SOURCE_DIR}/resources)
  target_link_libraries(${target} PRIVATE corelim_version)
  set_source_files_properties(${script} PROPERTIES
    OBJECT_DEPENDS "${template};${manifest};${CORELIM_ICON};${CORELIM_VERSION_HEADER}")
endfunction()
