# The library's list and tree views over the system's controls, and the skinned
# views with their column header and external scroll bars.
if(WIN32)
  add_executable(skinctrls_views_test
    ${CMAKE_CURRENT_LIST_DIR}/list_view_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tree_view_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_list_view_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_tree_view_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/control_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_skin.cpp
    ${PROJECT_SOURCE_DIR}/tests/skin/picture_fixtures.cpp
  )
  target_include_directories(skinctrls_views_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                             ${PROJECT_SOURCE_DIR}/tests/skin)
  target_link_libraries(skinctrls_views_test PRIVATE skinctrls_views gmock gtest_main)
  add_test(NAME skinctrls_views_test COMMAND skinctrls_views_test)
  if(COMMAND guard_test_summary)
    guard_test_summary(skinctrls_views_test)
  endif()
endif()
