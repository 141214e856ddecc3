target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cutoff_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/helicopter_intro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/higher_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/intermediate_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_description.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_listings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_places.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_printing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_load.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_queries.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vocational_tables.cpp
)
