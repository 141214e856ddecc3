target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/est_grados_walk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_info_walk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_outputs_walk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_printing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_walk_test.cpp
)
