# The native sanitizer build (native/) runs beside the Wine suite: its unit
# tests and a bounded run of every fuzz target. scripts/test builds it first
# and passes its folder here.
set(CELVANE_NATIVE_DIR "" CACHE PATH "Build folder of native/ (empty: not run)")
set(CELVANE_FUZZ_SECONDS 30 CACHE STRING "Seconds each fuzz target runs in the suite")
if(CELVANE_NATIVE_DIR)
  add_test(NAME native_logic_tests COMMAND ${CELVANE_NATIVE_DIR}/native_logic_tests)
  file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(src ${fuzz_sources})
    get_filename_component(name ${src} NAME_WE)
    set(work ${CMAKE_BINARY_DIR}/fuzz-work/${name})
    file(MAKE_DIRECTORY ${work})
    # Seeds and past findings live in fuzz/corpus/<target>; new inputs go to
    # the build tree, so the run never writes into the sources.
    add_test(NAME ${name} COMMAND ${CELVANE_NATIVE_DIR}/${name}
      -max_total_time=${CELVANE_FUZZ_SECONDS} -timeout=10 -print_final_stats=1
      -artifact_prefix=${work}-
      ${work} ${CMAKE_SOURCE_DIR}/fuzz/corpus/${name})
  endforeach()
endif()
