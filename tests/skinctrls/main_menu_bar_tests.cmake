# The skinned main menu bar, on a form of the test's own with a form skinning
# engine; and skin changes reaching the skinned controls of every form, with an
# engine or without.
if(WIN32)
  add_executable(main_menu_bar_test
    ${CMAKE_CURRENT_LIST_DIR}/main_menu_bar_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skin_change_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_skin.cpp
  )
  target_include_directories(main_menu_bar_test PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(main_menu_bar_test PRIVATE skin_forms skinctrls gmock gtest_main)
  add_test(NAME main_menu_bar_test COMMAND main_menu_bar_test)
  if(COMMAND guard_test_summary)
    guard_test_summary(main_menu_bar_test)
  endif()
endif()
