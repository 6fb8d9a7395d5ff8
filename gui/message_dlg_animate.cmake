# The standard message dialog and the system's animation control.
target_sources(gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/message_dlg.cpp ${CMAKE_CURRENT_LIST_DIR}/animate.cpp)
target_link_libraries(gui PUBLIC comctl32)
