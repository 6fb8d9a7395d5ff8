# The system's edit control as a library control.
target_sources(gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/custom_edit.cpp)
