target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/formconsejo_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mapa_estrellas_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profeU_test.cpp
)
