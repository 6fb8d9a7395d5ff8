# The live objects of a skinned frame: caption, caption and push buttons,
# main-menu items, gauges, switches, track bars, animations and labels. They open
# their menus through the skinned popup menus, hence a library of their own above
# the skinned controls; the form skinning engine links it.
add_library(skin_frame_objects STATIC
  ${CMAKE_CURRENT_LIST_DIR}/active_skin_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_animate_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_button_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_caption_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_label_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_main_menu_item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_value_objects.cpp
)
target_link_libraries(skin_frame_objects PUBLIC skin skinctrls)
