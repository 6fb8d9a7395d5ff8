# Labels, actions, the control bar, and the keyboard's way through the controls
# of a form.
target_sources(gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/accel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/action.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/custom_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win_control_keys.cpp
)
