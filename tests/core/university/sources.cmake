target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bundled_degree_data_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_load_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_readers_test.cpp
)
