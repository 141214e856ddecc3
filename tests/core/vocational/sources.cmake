target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/basic_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bundled_vocational_data_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/certificates_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cutoff_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/helicopter_intro_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/intermediate_questionnaire_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/higher_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_printing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_screen_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_load_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_queries_test.cpp
)
