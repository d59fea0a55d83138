# One block per benchmark; outputs go to build/bench/.
add_executable(bench_bare_window bare_window.cpp)
target_link_libraries(bench_bare_window PRIVATE Qt6::Widgets)
add_executable(bench_startup bench_startup.cpp)
target_link_libraries(bench_startup PRIVATE Qt6::Core)
add_dependencies(bench_startup quaderlo bench_bare_window)
add_executable(bench_compila bench_compila.cpp)
target_link_libraries(bench_compila PRIVATE quaderlo_gui)
