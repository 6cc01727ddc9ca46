celvane_test(framework_dialog_tests SOURCES framework/DialogTest.cpp framework/IPAddressLogicTest.cpp app/DialogDriver.cpp
  RESOURCES)
