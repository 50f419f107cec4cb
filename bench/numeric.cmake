# Formatting and parsing speed of the number texts.
add_executable(numeric_format_bench ${CMAKE_CURRENT_LIST_DIR}/numeric_format_bench.cpp)
target_link_libraries(numeric_format_bench PRIVATE kalvio_numeric benchmark::benchmark benchmark::benchmark_main)
set_target_properties(numeric_format_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
