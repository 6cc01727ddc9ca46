# The main dialog, the application and the resources, on real windows of the
# null display driver. The runs use the products' default install paths in
# the prefix, so they run alone.
celvane_test(app_logic_tests SOURCES app/LogLogicTest.cpp)
celvane_test(app_dialog_tests SOURCES
  app/ConfigDlgTest.cpp app/ConfigAppTest.cpp app/ConfigureRunTest.cpp app/ResourcesTest.cpp
  app/DialogDriver.cpp engine/RunnerSupport.cpp
  RESOURCES SERIAL)
add_dependencies(app_dialog_tests celvane_at_pause)

# The committed icon and severity strip are what scripts/make-art renders
# from res/art.
find_program(CELVANE_PYTHON3 python3)
if(CELVANE_PYTHON3)
  add_test(NAME art_up_to_date COMMAND ${CELVANE_PYTHON3} ${CMAKE_SOURCE_DIR}/scripts/make-art --check)
endif()
