# The file editors: load and write-back, the key/value and HOSTS rules and
# the job's editing steps, on real files under Wine.
celvane_test(editors_tests SOURCES
  editors/KeyValueLogicTest.cpp editors/HostsLogicTest.cpp
  editors/TextFileTest.cpp editors/KeyValueEditorTest.cpp editors/HostsEditorTest.cpp
  editors/FailingAllocator.cpp)
# The products' default install paths in the prefix, and %SystemRoot%.
celvane_test(editors_real_paths_tests SOURCES editors/RealPathsTest.cpp SERIAL)

if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(_editors_env "WINEPREFIX=${CELVANE_PREFIX_NULL};WINEDEBUG=-all")
  # The same search with a double-byte ANSI code page (932) in force.
  add_test(NAME editors_tests_cp932 COMMAND editors_tests --gtest_filter=*Dbcs*)
  set_tests_properties(editors_tests_cp932 PROPERTIES
    ENVIRONMENT "${_editors_env};LC_ALL=ja_JP.UTF-8;CELVANE_EXPECT_ACP=932")
  # A write-back onto a full disk: a 64 KB tmpfs, mounted where root may.
  add_test(NAME editors_tests_disk_full
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-with-full-disk $<TARGET_FILE:editors_tests> ${CMAKE_BINARY_DIR}/full-disk)
  # Read-only files and a folder that may not be written to, as a user whom
  # Wine holds to them (root is not), in a prefix of that user's own.
  add_test(NAME editors_tests_nonroot
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-as-nobody $<TARGET_FILE:editors_tests> ${CMAKE_BINARY_DIR}/wineprefix-nobody)
  set_tests_properties(editors_tests_disk_full editors_tests_nonroot PROPERTIES
    ENVIRONMENT "${_editors_env}" SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]" TIMEOUT 300)
  set_tests_properties(editors_tests_disk_full PROPERTIES RESOURCE_LOCK full-disk)
endif()
