# The script runner against the real cmd.exe (answered by the operator
# helper) and the stand-in interpreter for outcomes the script cannot give.
celvane_test(engine_runner_tests SOURCES engine/ScriptRunnerTest.cpp engine/RunnerSupport.cpp)
add_dependencies(engine_runner_tests celvane_operator celvane_standin)
