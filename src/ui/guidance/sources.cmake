target_sources(velmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/formconsejo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/itinerarios.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MapaEstrellas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_panel_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profeU.cpp
  ${CMAKE_CURRENT_LIST_DIR}/asistente.cpp
  ${CMAKE_CURRENT_LIST_DIR}/formlomce.cpp
)
