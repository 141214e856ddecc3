target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cutoff_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_load.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_queries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_tables.cpp
)
