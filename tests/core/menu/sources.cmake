target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/configuration_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/courses_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_library_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_menu_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_test.cpp
)
