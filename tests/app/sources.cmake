# The program's own code is compiled into the widget tests, and the program is started by them.
target_sources(ui_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/options_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_test.cpp
  ${CMAKE_SOURCE_DIR}/src/app/options.cpp
)
target_compile_definitions(ui_tests PRIVATE VELMORA_PROGRAM="$<TARGET_FILE:velmora>")
add_dependencies(ui_tests velmora)
