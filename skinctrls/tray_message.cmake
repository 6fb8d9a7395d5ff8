# The notification-area icon.
target_sources(skinctrls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tray_icon.cpp
)
target_link_libraries(skinctrls PUBLIC shell32)

# Boxes that are whole skinned forms, each with a form skinning engine of its own:
# they stand above the engine, which itself drives the skinned controls.
add_library(skinctrls_dialogs STATIC
  ${CMAKE_CURRENT_LIST_DIR}/skin_message.cpp
)
target_link_libraries(skinctrls_dialogs PUBLIC skin_forms skinctrls)
