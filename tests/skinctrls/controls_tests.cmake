# The skinned button, panel, gauge, scroll bar, label and control bar; and the
# library's labels, actions, control bar and dialog keys beneath them.
if(WIN32)
  add_executable(skinctrls_controls_test
    ${CMAKE_CURRENT_LIST_DIR}/action_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/button_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/control_bar_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/control_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gauge_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/label_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/panel_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/scroll_bar_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_skin.cpp
    ${PROJECT_SOURCE_DIR}/tests/skin/picture_fixtures.cpp
  )
  target_include_directories(skinctrls_controls_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                             ${PROJECT_SOURCE_DIR}/tests/skin)
  target_link_libraries(skinctrls_controls_test PRIVATE skinctrls_controls gmock gtest_main)
  add_test(NAME skinctrls_controls_test COMMAND skinctrls_controls_test)
  if(COMMAND guard_test_summary)
    guard_test_summary(skinctrls_controls_test)
  endif()
endif()
