# Speed of one whole calculation request, cell texts included.
add_executable(engine_bench ${CMAKE_CURRENT_LIST_DIR}/engine_run_bench.cpp)
target_link_libraries(engine_bench PRIVATE kalvio_engine benchmark::benchmark benchmark::benchmark_main)
set_target_properties(engine_bench PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
