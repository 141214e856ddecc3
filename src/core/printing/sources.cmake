target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/draw_ops.cpp
  ${CMAKE_CURRENT_LIST_DIR}/printer_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_buffer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_printer.cpp
)
