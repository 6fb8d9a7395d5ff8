# Multiple-document forms: the parent's client window, the child forms in it,
# their order, activation and release; tool-window frames.
if(WIN32)
  add_executable(gui_mdi_test ${CMAKE_CURRENT_LIST_DIR}/mdi_form_test.cpp)
  target_link_libraries(gui_mdi_test PRIVATE gui gui_test_probes gmock gtest_main)
  add_test(NAME gui_mdi_test COMMAND gui_mdi_test)
  set_tests_properties(gui_mdi_test PROPERTIES TIMEOUT 120)
  if(COMMAND guard_test_summary)
    guard_test_summary(gui_mdi_test)
  endif()
endif()
