# Buttons, panels, gauges, scroll bars, labels and the control bar.
target_sources(skinctrls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/default_look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_control_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_gauge.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_scroll_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_std_label.cpp
)
