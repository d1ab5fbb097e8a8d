# One place for the settings every Dovalintra target shares.

function(dv_apply_common_settings target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
                                           -Wno-missing-field-initializers)
  target_compile_definitions(${target} PRIVATE QT_NO_KEYWORDS
                                               QT_DISABLE_DEPRECATED_UP_TO=0x060000)
  if(DV_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# dv_add_library(NAME SOURCES ... [DEPENDS ...] [PRIVATE_DEPENDS ...])
function(dv_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PRIVATE_DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  dv_apply_common_settings(${name})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE ${ARG_PRIVATE_DEPENDS})
endfunction()

# dv_add_executable(NAME SOURCES ... [DEPENDS ...])
function(dv_add_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  dv_apply_common_settings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
endfunction()

# dv_add_test(NAME SOURCES ... [DEPENDS ...] [GUI]): a GoogleTest program registered with CTest.
# GUI tests run on the offscreen platform.
function(dv_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  dv_apply_common_settings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE DV_FIXTURES_DIR="${DV_FIXTURES_DIR}"
                                             DV_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set(env "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0")
  set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "${env}")
endfunction()

# dv_add_benchmark(NAME SOURCES ... [DEPENDS ...]): a Google Benchmark program, never run by CTest.
function(dv_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  dv_apply_common_settings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} benchmark::benchmark benchmark::benchmark_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/benchmarks)
endfunction()
