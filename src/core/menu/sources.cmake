target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/configuration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/courses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/doors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_images.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_speed.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scene_sprites.cpp
)
