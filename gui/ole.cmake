# Hosting ActiveX controls.
target_sources(gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/ole_control.cpp)
target_link_libraries(gui PUBLIC ole32 oleaut32 uuid)
