# The sources the desktop tree and the browser edition (web/) share: the
# engine and the board's drawing routines, both free of Qt.
# kalvero_shared_sources(SRC) sets KALVERO_ENGINE_SOURCES and
# KALVERO_DRAW_SOURCES from the source folder SRC.
macro(kalvero_shared_sources src)
  file(GLOB KALVERO_ENGINE_SOURCES CONFIGURE_DEPENDS
    ${src}/model/*.cpp ${src}/rules/*.cpp ${src}/solver/*.cpp
    ${src}/generator/*.cpp ${src}/hint/*.cpp ${src}/play/*.cpp)
  set(KALVERO_DRAW_SOURCES ${src}/view/board_painter.cpp ${src}/view/play_drawing.cpp ${src}/view/play_overlay.cpp)
endmacro()
