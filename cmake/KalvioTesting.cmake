# Helpers that register test programs with ctest the same way in every folder.
include(GoogleTest)

# One GoogleTest program per test source.  WIDGETS: the program needs a
# QApplication (offscreen); it gets our main instead of gtest_main.
function(kalvio_add_gtest name)
  cmake_parse_arguments(T "WIDGETS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(T_WIDGETS)
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp)
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock Qt6::Widgets Qt6::Test ${T_LIBS})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock ${T_LIBS})
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    DISCOVERY_TIMEOUT 60)
endfunction()

# Every *_test.cpp of the calling folder becomes one test program; files named
# *_widget_test.cpp are widget tests.
function(kalvio_add_gtests_in_folder prefix)
  cmake_parse_arguments(T "" "" "LIBS;WIDGET_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(src ${sources})
    get_filename_component(stem ${src} NAME_WE)
    if(stem MATCHES "_widget_test$")
      kalvio_add_gtest(${prefix}_${stem} WIDGETS SOURCES ${src} LIBS ${T_WIDGET_LIBS})
    else()
      kalvio_add_gtest(${prefix}_${stem} SOURCES ${src} LIBS ${T_LIBS})
    endif()
  endforeach()
endfunction()

# A fuzz target: a source defining LLVMFuzzerTestOneInput.  Built with
# libFuzzer when KALVIO_FUZZ is on, otherwise with a replay driver that feeds
# it deterministic pseudo-random inputs; either way a bounded run is a test.
function(kalvio_add_fuzzer name)
  cmake_parse_arguments(F "" "RUNS" "SOURCES;LIBS" ${ARGN})
  if(NOT F_RUNS)
    set(F_RUNS 20000)
  endif()
  add_executable(${name} ${F_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  if(KALVIO_FUZZ)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    add_test(NAME fuzz_${name} COMMAND ${name} -runs=${F_RUNS} -seed=1 -max_len=4096 -rss_limit_mb=2048)
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/FuzzReplayMain.cpp)
    add_test(NAME fuzz_${name} COMMAND ${name} ${F_RUNS})
  endif()
  set_tests_properties(fuzz_${name} PROPERTIES LABELS fuzz TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()
