celvane_test(app_logic_tests SOURCES app/LogLogicTest.cpp)
