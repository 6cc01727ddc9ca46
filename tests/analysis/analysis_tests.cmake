# clang-tidy and cppcheck over the project's own sources; any finding fails.
if(CMAKE_CROSSCOMPILING_EMULATOR)
  add_test(NAME clang_tidy COMMAND ${CMAKE_SOURCE_DIR}/scripts/analyze tidy ${CMAKE_BINARY_DIR})
  add_test(NAME cppcheck COMMAND ${CMAKE_SOURCE_DIR}/scripts/analyze cppcheck ${CMAKE_BINARY_DIR})
  set_tests_properties(clang_tidy cppcheck PROPERTIES TIMEOUT 900)
endif()
