# The program's benchmarks: start-up to the first paint beside a bare Qt
# window, and the calculate handler beside the engine call alone.
add_executable(app_startup_bench ${CMAKE_CURRENT_SOURCE_DIR}/app_startup_bench.cpp)
target_link_libraries(app_startup_bench PRIVATE kalvio_app benchmark::benchmark)

add_executable(app_calculate_bench ${CMAKE_CURRENT_SOURCE_DIR}/app_calculate_bench.cpp)
target_include_directories(app_calculate_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
target_link_libraries(app_calculate_bench PRIVATE kalvio_app Qt6::Test benchmark::benchmark)

set_target_properties(app_startup_bench app_calculate_bench PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
