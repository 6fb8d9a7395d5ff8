# The form skinning engine's window states, roll-up, menus, keyboard menu mode,
# tray and the skin changes of the form's controls.
add_executable(form_engine_states_test
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_states_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_fixtures.cpp
)
target_include_directories(form_engine_states_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(form_engine_states_test PRIVATE skin_forms gmock gtest_main)
add_test(NAME form_engine_states_test COMMAND form_engine_states_test)
if(COMMAND guard_test_summary)
  guard_test_summary(form_engine_states_test)
endif()
