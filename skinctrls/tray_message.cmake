# The notification-area icon and the skinned message box.
target_sources(skinctrls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tray_icon.cpp
)
target_link_libraries(skinctrls PUBLIC shell32)
