zq_add_test(app_core_test
  app/UtilitiesTest.cpp
  app/StartupTest.cpp
)
