# The form skinning engine: frame geometry, painting, region, hit testing, the
# frame objects' life and the window procedure it puts in front of the form's.
# It makes the live frame objects, so it stands above them; forms that want a
# skinned frame link it.
add_library(skin_forms STATIC
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_iconic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_states.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_wndproc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_frame_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_frame_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_hit_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_skin_engine.cpp
)
target_link_libraries(skin_forms PUBLIC skin_frame_objects skin skinctrls)
