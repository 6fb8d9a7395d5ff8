# The library's edit and the skinned edits.
if(WIN32)
  add_executable(skinctrls_edits_test
    ${CMAKE_CURRENT_LIST_DIR}/edit_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_edit_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/control_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_skin.cpp
    ${PROJECT_SOURCE_DIR}/tests/skin/picture_fixtures.cpp
  )
  target_include_directories(skinctrls_edits_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                             ${PROJECT_SOURCE_DIR}/tests/skin)
  target_link_libraries(skinctrls_edits_test PRIVATE skinctrls_controls gmock gtest_main)
  add_test(NAME skinctrls_edits_test COMMAND skinctrls_edits_test)
  if(COMMAND guard_test_summary)
    guard_test_summary(skinctrls_edits_test)
  endif()
endif()
