# The script runner against the real cmd.exe (answered by the operator
# helper) and the stand-in interpreter for outcomes the script cannot give.
celvane_test(engine_runner_tests SOURCES engine/ScriptRunnerTest.cpp engine/RunnerSupport.cpp)
add_dependencies(engine_runner_tests celvane_at_pause celvane_standin)
# Whole runs on the demo installation at the products' real default paths and
# on a HOSTS file under a test %SystemRoot%.
celvane_test(engine_run_tests SOURCES engine/ConfigRunTest.cpp engine/RunnerSupport.cpp
  LIBS celvane_product_fixture SERIAL)
add_dependencies(engine_run_tests celvane_at_pause celvane_standin)
