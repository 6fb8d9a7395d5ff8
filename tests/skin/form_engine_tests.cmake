# The form skinning engine, on forms of the test's own with skins it makes
# itself; two programs, so that each stays short on the shared screen.
foreach(name form_engine_test form_engine_skins_test)
  add_executable(${name}
    ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_engine_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_fixtures.cpp
  )
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(${name} PRIVATE skin_forms gmock gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  if(COMMAND guard_test_summary)
    guard_test_summary(${name})
  endif()
endforeach()
