# The blend of a normal look toward a highlighted one by morph kind, which the
# frame objects and the skinned controls both draw with.
if(WIN32)
  target_sources(skin PRIVATE ${CMAKE_CURRENT_LIST_DIR}/morph_by_kind.cpp)
endif()
