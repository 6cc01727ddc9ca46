celvane_test(engine_plan_tests SOURCES engine/ConfigPlanTest.cpp engine/ConfigJobLogTest.cpp LIBS psapi)
