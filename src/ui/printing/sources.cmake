target_sources(velmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qt_printing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_output.cpp
)
