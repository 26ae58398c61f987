# Two Debian packages from the install components (cpack in the build folder,
# or `scripts/dev.sh package`): "kalvero" with the window and "kalvero-tool"
# with the command-line tool alone, so a server gets the tool without Qt.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kalvero)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kalvero developers")
set(CPACK_PACKAGE_CONTACT "The Kalvero developers <maintainers@kalvero.invalid>")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# The shared libraries each program links (Qt 6 for the window, only the C
# and C++ runtimes for the tool) become its dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The descriptions' lines start without a space: CPack indents each line of
# the extended description by one (a line already indented would be shown
# verbatim).
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME kalvero-tool)
# The tool works on puzzle files (creating, verifying, rating, benchmarks)
# and is not played, so it is no game: /usr/bin, where it is on every PATH
# (root's and scripts' included), in "misc" as Debian has the qqwing generator.
set(CPACK_DEBIAN_TOOL_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_TOOL_PACKAGE_SOURCE kalvero)
set(CPACK_DEBIAN_TOOL_DESCRIPTION "command-line tool for Kalvero sum puzzles
kalvero-tool counts, shows, verifies and creates puzzle files of Kalvero,
a 9x9 digit-placement puzzle whose clues are the sums of the 3-cell blocks
around the grid. It needs no desktop and no Qt.")

if(KALVERO_GUI)
  set(CPACK_COMPONENTS_ALL gui tool)
  set(CPACK_DEBIAN_GUI_PACKAGE_NAME kalvero)
  # A game: its program is installed in /usr/games (data/CMakeLists.txt).
  set(CPACK_DEBIAN_GUI_PACKAGE_SECTION games)
  # The board's "Arial" and "Courier New" texts are drawn in their metric
  # twins from fonts-liberation.
  set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS fonts-liberation)
  # Qt's own translations make the file and print dialogs speak the
  # window's language.
  set(CPACK_DEBIAN_GUI_PACKAGE_RECOMMENDS qt6-translations-l10n)
  set(CPACK_DEBIAN_GUI_DESCRIPTION "digit puzzles whose clues are the sums around the grid
Kalvero is a 9x9 digit-placement puzzle: every row, column and 3x3 box
holds the digits 1 to 9 once each, and the clues are the 36 sums of the
3-cell blocks around the edge of the grid plus a few given cells. Solve
puzzles with pencil marks, undo and checking, create new ones at three
levels, print them and copy them as pictures.")
else()
  set(CPACK_COMPONENTS_ALL tool)
endif()

# The Debian changelog in both packages' doc folders: one entry for the
# release, dated by the release date so a rebuild gives the same bytes. Both
# packages come from the one source, "kalvero". Building a program builds it,
# as it does the program's manual page.
execute_process(COMMAND date -u -R -d ${KALVERO_RELEASE_DATE}
  OUTPUT_VARIABLE KALVERO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(KALVERO_CHANGELOG ${CMAKE_BINARY_DIR}/generated/changelog.Debian)
file(CONFIGURE OUTPUT ${KALVERO_CHANGELOG} CONTENT "\
kalvero (${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}) unstable; urgency=medium

  * Kalvero ${PROJECT_VERSION}, packaged by CPack from the project's source tree.

 -- ${CPACK_PACKAGE_CONTACT}  ${KALVERO_RELEASE_DATE_RFC2822}
")
add_custom_command(OUTPUT ${KALVERO_CHANGELOG}.gz
  COMMAND gzip -9 -n -c ${KALVERO_CHANGELOG} > ${KALVERO_CHANGELOG}.gz
  DEPENDS ${KALVERO_CHANGELOG}
  VERBATIM)
add_custom_target(kalvero-changelog ALL DEPENDS ${KALVERO_CHANGELOG}.gz)
add_dependencies(kalvero-tool kalvero-changelog)
install(FILES ${KALVERO_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalvero-tool COMPONENT tool)
if(KALVERO_GUI)
  add_dependencies(kalvero kalvero-changelog)
  install(FILES ${KALVERO_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kalvero COMPONENT gui)
endif()

include(CPack)
