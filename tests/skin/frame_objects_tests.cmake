# The live objects of a skinned frame, driven and drawn without a form engine.
if(WIN32)
  add_executable(frame_objects_test
    ${CMAKE_CURRENT_LIST_DIR}/frame_objects_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_buttons_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_objects_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_fixtures.cpp
    ${PROJECT_SOURCE_DIR}/tests/skinctrls/test_skin.cpp
  )
  target_include_directories(frame_objects_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                             ${PROJECT_SOURCE_DIR}/tests/skinctrls)
  target_link_libraries(frame_objects_test PRIVATE skin_frame gmock gtest_main)
  add_test(NAME frame_objects_test COMMAND frame_objects_test)
  if(COMMAND guard_test_summary)
    guard_test_summary(frame_objects_test)
  endif()
endif()
