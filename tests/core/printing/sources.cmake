target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/printer_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_printer_test.cpp
)
