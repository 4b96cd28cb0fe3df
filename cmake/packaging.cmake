# The download: Corelim-<version>-win32.zip holding one folder with both
# programs, the user guide and the licence. `cpack` in the build folder
# (or the `package` target) writes it, and its SHA-256 beside it, once the
# programs are built.

# Notepad before Windows 10 shows LF-only text as one long line and reads
# text without a byte order mark in the ANSI code page, so the shipped text
# files get CRLF line ends, and the Japanese guide a UTF-8 BOM, whatever the
# checkout's line ends are. @PROJECT_VERSION@ in them becomes the version.
function(corelim_notepad_text source destination)
  cmake_parse_arguments(arg "WITH_BOM" "" "" ${ARGN})
  file(READ ${source} text)
  string(CONFIGURE "${text}" text @ONLY)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  if(arg_WITH_BOM)
    string(ASCII 239 187 191 bom)
    string(PREPEND text "${bom}")
  endif()
  file(WRITE ${destination} "${text}")
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()

set(CORELIM_PACKAGE_TEXT_DIR ${CMAKE_BINARY_DIR}/package-text)
corelim_notepad_text(${PROJECT_SOURCE_DIR}/docs/user-guide.txt ${CORELIM_PACKAGE_TEXT_DIR}/user-guide.txt WITH_BOM)
corelim_notepad_text(${PROJECT_SOURCE_DIR}/LICENSE ${CORELIM_PACKAGE_TEXT_DIR}/LICENSE.txt)
install(FILES ${CORELIM_PACKAGE_TEXT_DIR}/user-guide.txt ${CORELIM_PACKAGE_TEXT_DIR}/LICENSE.txt DESTINATION .)

# The programs' targets are defined in subfolders read after this file, and
# install(TARGETS) wants them to exist: defer it to the end of the top folder.
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR}
  CALL install TARGETS Corelim CorelimGUI RUNTIME DESTINATION .)

# cpack (and the package target) packs what is built and builds nothing
# itself: without this it would build every test program first. Build
# Corelim and CorelimGUI before it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Corelim)
set(CPACK_PACKAGE_VENDOR "Corelim developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Corelim-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)

# The same zip from the same source: CPack takes a plain archive's files in
# the order the file system lists them, but sorts a component's, so the
# files are packed as the one component they are installed as. cpack dates
# the entries with SOURCE_DATE_EPOCH, and the zip's DOS times are local
# times: both are set for cpack itself, however it is started.
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL Unspecified)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/cpack-source-date.cmake)
file(CONFIGURE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT
  "set(ENV{SOURCE_DATE_EPOCH} ${CORELIM_SOURCE_DATE_EPOCH})\nset(ENV{TZ} UTC0)\n")
include(CPack)
