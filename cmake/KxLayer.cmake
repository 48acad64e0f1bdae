# kx_add_layer(NAME DIR [DEPS ...]): a static library of every .cpp in DIR, so that adding a
# file to a layer needs no edit of a build file.
function(kx_add_layer name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    # A layer with headers only so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE kx_settings ${ARGN})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC kx_settings ${ARGN})
endfunction()

# kx_add_test_folder(NAME DIR [DEPS ...]): one GoogleTest program of every .cpp in DIR.
function(kx_add_test_folder name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE kx_settings kx_test_support ${ARGN} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
endfunction()

# kx_add_program(NAME [DEPS ...]): a Qt program whose every .cpp but main.cpp is the library
# NAME_lib, so that the tests drive its windows; the program itself is main.cpp alone, placed at
# the top of the build folder beside the other programs.
function(kx_add_program name)
  set(CMAKE_AUTOMOC ON)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
  add_library(${name}_lib STATIC ${sources})
  target_include_directories(${name}_lib PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name}_lib PUBLIC kx_settings kx_qt ${ARGN})

  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_lib)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()
