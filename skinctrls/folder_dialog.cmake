# The folder tree, the select-folder dialog and the directory edit. The dialog is
# a whole skinned form and the tree tells of drives in the skinned message box,
# so they stand with the boxes, above the form skinning engine.
add_library(skinctrls_folders STATIC
  ${CMAKE_CURRENT_LIST_DIR}/drive_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sel_dir_dlg_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_dir_tree_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_directory_edit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/skin_select_directory_dialog.cpp
)
target_link_libraries(skinctrls_folders PUBLIC skinctrls_dialogs skinctrls shell32 ole32)
