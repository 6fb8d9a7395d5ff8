# The form skinning engine on a multiple-document program (a skinned parent with
# a menu bar and a window menu, skinned children) and on tool windows, driven in
# part with real X input.
add_executable(form_engine_mdi_test
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_mdi_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/form_engine_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_fixtures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/x_input.cpp
)
target_include_directories(form_engine_mdi_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(form_engine_mdi_test PRIVATE skin_forms gmock gtest_main)
add_test(NAME form_engine_mdi_test COMMAND form_engine_mdi_test)
set_tests_properties(form_engine_mdi_test PROPERTIES TIMEOUT 240)
if(COMMAND guard_test_summary)
  guard_test_summary(form_engine_mdi_test)
endif()
