# Multiple-document forms: the parent's client window and the child forms.
target_sources(gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/form_mdi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mdi_client.cpp
)
