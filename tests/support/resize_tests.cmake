celvane_test(resize_tests SOURCES support/ResizeLogicTest.cpp support/ResizeCtrlTest.cpp support/ResizeInputTest.cpp
             support/ResizeTestWindows.cpp)
