# The skinned main menu bar and the main menu class of skinned forms.
target_sources(skinctrls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/main_menu_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_menu_bar_engine.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_bar_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_main_menu.cpp
)
