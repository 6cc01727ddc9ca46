celvane_test(app_logic_tests SOURCES app/LogLogicTest.cpp)
celvane_test(app_dialog_tests SOURCES app/ConfigDlgTest.cpp app/ConfigAppTest.cpp app/ResourcesTest.cpp app/DialogDriver.cpp RESOURCES SERIAL)
