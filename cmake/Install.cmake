# Installing the game the way Debian lays out games, and packaging it with CPack:
#   <prefix>/games/banzuri, banzuri-cli          the programs
#   <prefix>/share/games/banzuri/                sounds, help page and its pictures
#   <prefix>/share/applications, icons, metainfo the desktop entry, icons, AppStream data
#   <prefix>/share/man/man6                      the manual pages
# Included at the end of the top-level CMakeLists.txt, after every target exists.

set(BANZURI_APP_ID org.example.banzuri)
set(BANZURI_RELEASE_DATE 2026-12-08)  # the date of the release PROJECT_VERSION names
set(BANZURI_CHANGELOG_DATE "Tue, 08 Dec 2026 00:00:00 +0000")  # the same date for the Debian changelog

include(GNUInstallDirs)
# Debian's places for games, whatever the generic defaults (which Qt's packages already set).
set(BANZURI_INSTALL_GAMESDIR games CACHE PATH "The programs, relative to the prefix")
set(BANZURI_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/games/banzuri)
set(BANZURI_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/banzuri)

# What the programs know about themselves: their version and where their data lies.
set(BANZURI_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(RELATIVE_PATH BANZURI_DATA_FROM_BIN ${CMAKE_INSTALL_PREFIX}/${BANZURI_INSTALL_GAMESDIR}
     ${CMAKE_INSTALL_PREFIX}/${BANZURI_INSTALL_DATADIR})
get_target_property(app_binary_dir banzuri BINARY_DIR)
file(RELATIVE_PATH BANZURI_RUN_FROM_BUILT_APP ${app_binary_dir} ${BANZURI_RUN_DIR})
file(RELATIVE_PATH BANZURI_BUILD_ROOT_FROM_BUILT_APP ${app_binary_dir} ${CMAKE_BINARY_DIR})
configure_file(${CMAKE_SOURCE_DIR}/cmake/build_info.h.in
               ${BANZURI_GENERATED_DIR}/build_info.h @ONLY)
add_library(banzuri_build_info INTERFACE)
target_include_directories(banzuri_build_info INTERFACE ${BANZURI_GENERATED_DIR})
target_link_libraries(banzuri_app_lib PUBLIC banzuri_build_info)
target_link_libraries(banzuri_cli_lib PUBLIC banzuri_build_info)

# Manual pages, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(BANZURI_MAN_PAGES)
foreach(page banzuri banzuri-cli)
  configure_file(${CMAKE_SOURCE_DIR}/dist/${page}.6.in ${BANZURI_GENERATED_DIR}/man/${page}.6 @ONLY)
  add_custom_command(
    OUTPUT ${BANZURI_GENERATED_DIR}/man/${page}.6.gz
    COMMAND ${GZIP_PROGRAM} -9nfk ${page}.6
    WORKING_DIRECTORY ${BANZURI_GENERATED_DIR}/man
    DEPENDS ${BANZURI_GENERATED_DIR}/man/${page}.6
    VERBATIM)
  list(APPEND BANZURI_MAN_PAGES ${BANZURI_GENERATED_DIR}/man/${page}.6.gz)
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/dist/changelog.in ${BANZURI_GENERATED_DIR}/changelog @ONLY)
add_custom_command(
  OUTPUT ${BANZURI_GENERATED_DIR}/changelog.gz
  COMMAND ${GZIP_PROGRAM} -9nfk changelog
  WORKING_DIRECTORY ${BANZURI_GENERATED_DIR}
  DEPENDS ${BANZURI_GENERATED_DIR}/changelog
  VERBATIM)
add_custom_target(banzuri_docs ALL DEPENDS ${BANZURI_MAN_PAGES} ${BANZURI_GENERATED_DIR}/changelog.gz)

configure_file(${CMAKE_SOURCE_DIR}/dist/${BANZURI_APP_ID}.desktop.in
               ${BANZURI_GENERATED_DIR}/${BANZURI_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/dist/${BANZURI_APP_ID}.metainfo.xml.in
               ${BANZURI_GENERATED_DIR}/${BANZURI_APP_ID}.metainfo.xml @ONLY)

# The programs and what they read.
install(TARGETS banzuri banzuri-cli RUNTIME DESTINATION ${BANZURI_INSTALL_GAMESDIR})
set(sounds その他.wav 禁止.wav 駒打音.wav 終局.wav 消滅.wav BGM.wav)
list(TRANSFORM sounds PREPEND ${BANZURI_RUN_DIR}/)
install(FILES ${sounds} ${BANZURI_RUN_DIR}/Banzuri.htm ${BANZURI_RUN_DIR}/Banzuri-en.htm
        DESTINATION ${BANZURI_INSTALL_DATADIR})
install(FILES ${BANZURI_QM_FILES} DESTINATION ${BANZURI_INSTALL_DATADIR}/translations)
# Only the pictures the help page shows.
file(READ ${CMAKE_SOURCE_DIR}/src/help/Banzuri.htm help_page)
file(READ ${CMAKE_SOURCE_DIR}/src/help/Banzuri-en.htm english_help_page)
string(APPEND help_page "${english_help_page}")
string(REGEX MATCHALL "Banzuri_files/[A-Za-z0-9_]+\\.png" help_pictures "${help_page}")
list(REMOVE_DUPLICATES help_pictures)
list(TRANSFORM help_pictures PREPEND ${BANZURI_RUN_DIR}/)
install(FILES ${help_pictures} ${BANZURI_RUN_DIR}/Banzuri_files/help.css
        DESTINATION ${BANZURI_INSTALL_DATADIR}/Banzuri_files)

# Desktop integration and documentation.
install(FILES ${BANZURI_GENERATED_DIR}/${BANZURI_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${BANZURI_GENERATED_DIR}/${BANZURI_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size ${BANZURI_ICON_SIZES})
  install(FILES ${BANZURI_ICON_DIR}/hicolor/${size}x${size}/apps/banzuri.png RENAME ${BANZURI_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${BANZURI_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${BANZURI_GENERATED_DIR}/changelog.gz
        DESTINATION ${BANZURI_INSTALL_DOCDIR})

include(${CMAKE_SOURCE_DIR}/cmake/Package.cmake)

if(BANZURI_TESTS)
  add_subdirectory(tests/install)
endif()
if(TARGET app_data_paths_test)
  target_compile_definitions(app_data_paths_test PRIVATE BUILT_GAME="$<TARGET_FILE:banzuri>")
endif()
