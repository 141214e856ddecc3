target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bundled_maps_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cp1252_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/display_mode_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hint_bubble_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/map_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/readers_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/region_maps_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_store_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_guard_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sound_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_table_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/visuals_generator_test.cpp
)
