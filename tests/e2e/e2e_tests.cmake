# End to end: Celvane.exe as its own process on the Xvfb display, driven from
# outside through its window and the real interpreter's console, on the demo
# installation at the products' default paths and the prefix's HOSTS file.
# Screenshots of each test's end state go to e2e-shots in the build tree.
celvane_test(e2e_tests SOURCES e2e/EndToEndTest.cpp e2e/CelvaneDriver.cpp e2e/PrefixHosts.cpp
  LIBS celvane_product_fixture XVFB SERIAL)
add_dependencies(e2e_tests Celvane celvane_at_pause)
target_compile_definitions(e2e_tests PRIVATE
  CELVANE_EXE="$<TARGET_FILE:Celvane>"
  CELVANE_E2E_OUTPUT_DIR="${CMAKE_BINARY_DIR}/e2e-shots")
if(CMAKE_CROSSCOMPILING_EMULATOR)
  # Eight runs of the program with a console each; a failing wait takes its
  # full bound.
  set_tests_properties(e2e_tests PROPERTIES TIMEOUT 900)
endif()
