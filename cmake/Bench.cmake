# The start-up benchmark (scripts/bench.sh): a bare window program built with
# Ventaro.exe's flags as the yardstick, and the console program that times both.
add_executable(bare_window WIN32 bench/bare_window.cpp)

add_executable(startup_bench bench/startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE advapi32)
