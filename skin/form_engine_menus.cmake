# The form skinning engine's roll-up, system menu, keyboard menu mode and tray.
target_sources(skin_forms PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_menus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_rollup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_sysmenu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_tray.cpp
)
