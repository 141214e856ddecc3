target_sources(velmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/est_grados.cpp
  ${CMAKE_CURRENT_LIST_DIR}/estadistica.cpp
  ${CMAKE_CURRENT_LIST_DIR}/degree_diagram_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_cells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/grados_layout.cpp
)
