# Menus, their pictures and shortcuts, and the application's hints.
target_sources(gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/application_hints.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hint_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/popup_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcut.cpp
)
target_link_libraries(gui PUBLIC comctl32)
