target_sources(velmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/aviso.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bar_chart_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bienvenidaU.cpp
  ${CMAKE_CURRENT_LIST_DIR}/drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hand_over.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hintU.cpp
  ${CMAKE_CURRENT_LIST_DIR}/look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/model_cells.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_address_opener.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_save_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_sound.cpp
  ${CMAKE_CURRENT_LIST_DIR}/region_map_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rich_text_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/roll_transition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen_parts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/section_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shadow_label.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shared_pictures.cpp
)
# The program's own picture lists (drawn by tools/make_visuals.py), compiled in.
qt_add_resources(velmora_ui "pictures" PREFIX "/pictures" BASE ${CMAKE_CURRENT_LIST_DIR}/pictures FILES
  ${CMAKE_CURRENT_LIST_DIR}/pictures/andar.png
  ${CMAKE_CURRENT_LIST_DIR}/pictures/bocadillo.png
  ${CMAKE_CURRENT_LIST_DIR}/pictures/grados.png
  ${CMAKE_CURRENT_LIST_DIR}/pictures/helipeque.png
  ${CMAKE_CURRENT_LIST_DIR}/pictures/iconos.png
  ${CMAKE_CURRENT_LIST_DIR}/pictures/piloto.png
  ${CMAKE_CURRENT_LIST_DIR}/pictures/puerta.png
  ${CMAKE_CURRENT_LIST_DIR}/pictures/ramas.png
)
