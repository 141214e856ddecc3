target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/advice_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bundled_students_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eso_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_studies_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/professions_screen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/assistant_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lomce_diagram_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/questionnaire_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/questionnaire_load_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/questionnaire_output_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scoring_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/star_map_test.cpp
)
