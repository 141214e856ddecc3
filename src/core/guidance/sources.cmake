target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/advice_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eso_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/group_studies.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/professions_funnel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/professions_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/questionnaire_output.cpp
  ${CMAKE_CURRENT_LIST_DIR}/assistant.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lomce_diagram.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lomce_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/star_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/questionnaire_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/questionnaire_load.cpp
  ${CMAKE_CURRENT_LIST_DIR}/questionnaire_readers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scoring.cpp
  ${CMAKE_CURRENT_LIST_DIR}/student_name.cpp
)
