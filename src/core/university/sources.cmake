target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/arts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_load.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_profile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_readers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degrees_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degrees_screen_trees.cpp
  ${CMAKE_CURRENT_LIST_DIR}/requirements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_diagram.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degrees_printing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/double_degrees.cpp
  ${CMAKE_CURRENT_LIST_DIR}/other_studies.cpp
  ${CMAKE_CURRENT_LIST_DIR}/title_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/where_to_study.cpp
)
