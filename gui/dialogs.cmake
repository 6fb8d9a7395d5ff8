# Icons and pictures, the application's own window, modal forms.
target_sources(gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/application_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/icon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image.cpp
)
