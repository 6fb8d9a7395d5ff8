# The system's list, tree and header controls as library controls, and windows
# of the system subclassed in a chain.
target_sources(gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/list_columns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/native_class.cpp
  ${CMAKE_CURRENT_LIST_DIR}/native_view.cpp
)
target_link_libraries(gui PUBLIC comctl32)
target_sources(gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/tree_nodes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tree_view.cpp
)
target_sources(gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/header_sections.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_subclass.cpp
)
