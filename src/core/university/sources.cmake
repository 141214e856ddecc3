target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/degree_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_load.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_readers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_tables.cpp
)
