# The program's own code is compiled into the widget tests, and the program is started by them.
target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/options_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_test.cpp
  ${CMAKE_SOURCE_DIR}/src/app/options.cpp
)
target_compile_definitions(ui_tests PRIVATE VELMORA_PROGRAM="$<TARGET_FILE:velmora>")
add_dependencies(ui_tests velmora)
# The screens' data loads need no widget: their test runs with the core tests, and the widget
# tests create the screens over the same loads.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/screen_data_test.cpp
  ${CMAKE_SOURCE_DIR}/src/app/screen_data.cpp
)
target_sources(ui_tests PRIVATE ${CMAKE_SOURCE_DIR}/src/app/screen_data.cpp)
