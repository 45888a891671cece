# The help page, the game's icon and the drag pointer, built into the program so that help and about work
# from any folder. The about box draws the icon with QtSvg.
target_sources(zarn_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/shell.qrc)
target_link_libraries(zarn_ui PUBLIC Qt6::Svg)
