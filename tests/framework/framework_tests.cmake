celvane_test(framework_tests SOURCES framework/MbTextTest.cpp framework/FileTest.cpp framework/CodePageTest.cpp)
if(CMAKE_CROSSCOMPILING_EMULATOR)
  # The same checks with a double-byte ANSI code page (932) in force.
  add_test(NAME framework_tests_cp932 COMMAND framework_tests --gtest_filter=ActiveCodePage*:*Dbcs*)
  set_tests_properties(framework_tests_cp932 PROPERTIES
    ENVIRONMENT "WINEPREFIX=${CELVANE_PREFIX_NULL};WINEDEBUG=-all;LC_ALL=ja_JP.UTF-8;CELVANE_EXPECT_ACP=932")
endif()
