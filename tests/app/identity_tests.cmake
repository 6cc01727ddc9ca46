celvane_test(identity_tests SOURCES app/HostIdentityTest.cpp)
