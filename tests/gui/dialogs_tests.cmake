# Icons, the application's own window, and what dialog forms need: frames,
# centring and key preview.
if(WIN32)
  add_executable(gui_dialogs_test ${CMAKE_CURRENT_LIST_DIR}/dialog_forms_test.cpp)
  target_link_libraries(gui_dialogs_test PRIVATE gui_native gmock gtest_main)
  add_test(NAME gui_dialogs_test COMMAND gui_dialogs_test)
  if(COMMAND guard_test_summary)
    guard_test_summary(gui_dialogs_test)
  endif()
endif()
