target_sources(velmora_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/catalogue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cp1252.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_error.cpp
  ${CMAKE_CURRENT_LIST_DIR}/data_paths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/enlace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/interface_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keyed_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/language_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/readers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_guard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_file.cpp
)
