# Helper programs that the engine tests start beside themselves: the operator
# who answers the console's "pause", and the stand-in interpreter.
add_executable(celvane_at_pause tools/AtPause.cpp)
add_executable(celvane_standin tools/StandinInterpreter.cpp)

