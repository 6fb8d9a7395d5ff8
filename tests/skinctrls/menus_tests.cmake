# The menus and hints: the menu classes, the skinned popup menus and the skinned hint.
if(WIN32)
  add_executable(menus_test
    menu_classes_test.cpp
    menu_placement_test.cpp
    menu_skin.cpp
    skin_hint_test.cpp
    skin_menu_paint_test.cpp
    skin_menu_test.cpp
    test_skin.cpp
  )
  target_include_directories(menus_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests/skin)
  target_link_libraries(menus_test PRIVATE skin_popups gmock gtest_main)
  add_test(NAME menus_test COMMAND menus_test)
  if(COMMAND guard_test_summary)
    guard_test_summary(menus_test)
  endif()
endif()
