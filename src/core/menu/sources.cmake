target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/configuration.cpp
  ${CMAKE_CURRENT_LIST_DIR}/courses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/doors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_texts.cpp
)
