target_sources(velmora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/pasarelaFP.cpp
  ${CMAKE_CURRENT_LIST_DIR}/level_screen_widget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/catU.cpp
  ${CMAKE_CURRENT_LIST_DIR}/certifiU.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inipro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/medio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/superior.cpp
)
