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
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The shared libraries each program links (Qt 6 for the window, only the C
# and C++ runtimes for the tool) become its dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_TOOL_PACKAGE_NAME kalvero-tool)
set(CPACK_DEBIAN_TOOL_DESCRIPTION "command-line tool for Kalvero sum puzzles
 kalvero-tool counts, shows, verifies and creates puzzle files of Kalvero,
 a 9x9 digit-placement puzzle whose clues are the sums of the 3-cell blocks
 around the grid. It needs no desktop and no Qt.")

if(KALVERO_GUI)
  set(CPACK_COMPONENTS_ALL gui tool)
  set(CPACK_DEBIAN_GUI_PACKAGE_NAME kalvero)
  # The board's "Arial" and "Courier New" texts are drawn in their metric
  # twins from fonts-liberation.
  set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS fonts-liberation)
  set(CPACK_DEBIAN_GUI_DESCRIPTION "digit puzzles whose clues are the sums around the grid
 Kalvero is a 9x9 digit-placement puzzle: every row, column and 3x3 box
 holds the digits 1 to 9 once each, and the clues are the 36 sums of the
 3-cell blocks around the edge of the grid plus a few given cells. Solve
 puzzles with pencil marks, undo and checking, create new ones at three
 levels, print them and copy them as pictures.")
else()
  set(CPACK_COMPONENTS_ALL tool)
endif()

include(CPack)
