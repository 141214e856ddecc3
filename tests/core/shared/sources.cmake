target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cp1252_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/readers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_guard_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_table_test.cpp
)
