# The skinned tree and list views, their column header and external scroll bars.
target_sources(skinctrls PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/list_header_skin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_list_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_tree_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_skin.cpp
)
