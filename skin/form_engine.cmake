# The form skinning engine: frame geometry, painting, region, hit testing and the
# window procedure it puts in front of the form's. It makes the live frame
# objects, so it stands above them; forms that want a skinned frame link it.
add_library(skin_forms STATIC
  ${CMAKE_CURRENT_LIST_DIR}/form_frame_geometry.cpp
)
target_link_libraries(skin_forms PUBLIC skin skinctrls)
