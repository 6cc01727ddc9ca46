# The fault matrix of the whole run on the demo installation at the products'
# real default paths, with the stand-in interpreter and the file locker, the
# helper that holds a file open as another program would.
add_executable(celvane_locker tools/FileLocker.cpp)
celvane_test(matrix_tests SOURCES matrix/FaultMatrixTest.cpp matrix/MatrixSupport.cpp engine/RunnerSupport.cpp
  LIBS celvane_product_fixture SERIAL)
add_dependencies(matrix_tests celvane_standin celvane_locker)

if(CMAKE_CROSSCOMPILING_EMULATOR)
  set(_matrix_env "WINEPREFIX=${CELVANE_PREFIX_NULL};WINEDEBUG=-all")
  set_tests_properties(matrix_tests PROPERTIES
    ENVIRONMENT "${_matrix_env};LC_ALL=en_US.UTF-8;CELVANE_EXPECT_ACP=1252")
  # The cases whose text passes through the key search and the identity
  # values, with a double-byte ANSI code page (932) in force.
  add_test(NAME matrix_tests_cp932 COMMAND matrix_tests
    --gtest_filter=*/no_fault:*/identity_*:*_empty:*_nul_bytes:*_lf_endings:*_dbcs_trail)
  set_tests_properties(matrix_tests_cp932 PROPERTIES
    ENVIRONMENT "${_matrix_env};LC_ALL=ja_JP.UTF-8;CELVANE_EXPECT_ACP=932"
    RESOURCE_LOCK "prefix:${CELVANE_PREFIX_NULL}" TIMEOUT 300)
  # Read-only files as a user whom Wine holds to the attribute (root is not),
  # in a prefix of that user's own.
  add_test(NAME matrix_tests_nonroot
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run-as-nobody $<TARGET_FILE:matrix_tests>
      ${CMAKE_BINARY_DIR}/wineprefix-nobody-matrix *_read_only)
  set_tests_properties(matrix_tests_nonroot PROPERTIES
    ENVIRONMENT "${_matrix_env};LC_ALL=en_US.UTF-8;CELVANE_EXPECT_ACP=1252" TIMEOUT 300)
endif()
