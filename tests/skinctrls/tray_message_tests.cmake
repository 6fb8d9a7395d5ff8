# The notification-area icon and the skinned message box.
if(WIN32)
  add_executable(skinctrls_tray_message_test
    ${CMAKE_CURRENT_LIST_DIR}/skin_message_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_skin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tray_icon_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/skin/picture_fixtures.cpp
  )
  target_include_directories(skinctrls_tray_message_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}
                             ${PROJECT_SOURCE_DIR}/tests/skin)
  target_link_libraries(skinctrls_tray_message_test PRIVATE skinctrls_dialogs gmock gtest_main)
  add_test(NAME skinctrls_tray_message_test COMMAND skinctrls_tray_message_test)
  if(COMMAND guard_test_summary)
    guard_test_summary(skinctrls_tray_message_test)
  endif()
endif()
