# The skinned popup menus and the skinned hint.
target_sources(skinctrls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/menu_placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_menu_item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_popup_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_popup_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_popup_window_input.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_popup_window_paint.cpp
)
target_sources(skinctrls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/skin_hint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_hint_window.cpp
)
