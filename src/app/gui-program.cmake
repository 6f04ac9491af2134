# The program itself.
add_executable(zq410 app/main.cpp)
target_link_libraries(zq410 PRIVATE zq410gui)
