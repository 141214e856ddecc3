target_sources(velmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/aviso.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bienvenidaU.cpp
  ${CMAKE_CURRENT_LIST_DIR}/look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shadow_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shared_pictures.cpp
)
