target_sources(velmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/animacion.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/courses_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/facade.cpp
  ${CMAKE_CURRENT_LIST_DIR}/principal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_pictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/section_targets.cpp
)
