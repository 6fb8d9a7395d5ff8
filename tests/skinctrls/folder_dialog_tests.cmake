# The folder tree, the select-folder dialog and the directory edit, on folder
# trees of the tests' own. Every modal window shown costs about two seconds
# here, so the tree and the dialog are two programs.
if(WIN32)
  foreach(part tree dialog)
    set(name skinctrls_folder_${part}_test)
    if(part STREQUAL "tree")
      set(sources dir_tree_view_test.cpp folder_scan_test.cpp control_fixture.cpp test_skin.cpp
                  ../skin/picture_fixtures.cpp)
    else()
      set(sources select_directory_dialog_test.cpp)
    endif()
    list(TRANSFORM sources PREPEND ${CMAKE_CURRENT_LIST_DIR}/)
    add_executable(${name} ${sources} ${CMAKE_CURRENT_LIST_DIR}/folder_fixture.cpp)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/tests/skin)
    target_link_libraries(${name} PRIVATE skinctrls_folders gmock gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    if(COMMAND guard_test_summary)
      guard_test_summary(${name})
    endif()
  endforeach()
endif()
