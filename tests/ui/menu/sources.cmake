target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/animacion_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/principal_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/section_targets_test.cpp
)
