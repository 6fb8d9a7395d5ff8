# The skinned edits.
target_sources(skinctrls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sk_custom_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_custom_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_custom_edit_frame.cpp
)
