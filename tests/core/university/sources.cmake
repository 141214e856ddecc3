target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/arts_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/arts_view_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bundled_degree_data_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bundled_degrees_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_load_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_profile_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_readers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degrees_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requirements_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requirements_view_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/double_degrees_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_search_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/universities_flow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/where_to_study_test.cpp
)
