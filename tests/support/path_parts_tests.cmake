# Path splitting: the pure rules and the class in the active code page.
celvane_test(path_parts_tests SOURCES support/PathPartsLogicTest.cpp support/PathPartsTest.cpp)

if(CMAKE_CROSSCOMPILING_EMULATOR)
  add_test(NAME path_parts_tests_cp932 COMMAND path_parts_tests --gtest_filter=*Dbcs*)
  set_tests_properties(path_parts_tests_cp932 PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CELVANE_PREFIX_NULL};WINEDEBUG=-all;LC_ALL=ja_JP.UTF-8;CELVANE_EXPECT_ACP=932")
endif()
