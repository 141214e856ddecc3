target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/formconsejo_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/itinerarios_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/eso_walk_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mapa_estrellas_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/profeU_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/asistente_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/formlomce_test.cpp
  # The program's routes and screen factories, driven as the program drives them.
  ${CMAKE_SOURCE_DIR}/src/app/menu_routes.cpp
  ${CMAKE_SOURCE_DIR}/src/app/screens.cpp
)
