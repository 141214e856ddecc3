target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/aviso_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bar_chart_view_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bienvenida_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_address_opener_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_display_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_messages_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screenshots_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/visuals_test.cpp
)
