target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/catU_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/certifiU_walk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inipro_walk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pasarelaFP_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/medio_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/medio_walk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/superior_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/superior_walk_test.cpp
)
