# The form skinning engine's multiple-document forms: the parent's client window,
# maximized and parked children, the window list.
target_sources(skin_forms PRIVATE ${CMAKE_CURRENT_LIST_DIR}/form_engine_mdi.cpp)
