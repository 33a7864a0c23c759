# Whole-survey passes (time slices, the snap pass, batch processing) against
# cat of the trace file, on one thread and on every core, on the demo survey.
add_executable(horizon_bench horizon_bench.cpp)
target_link_libraries(horizon_bench PRIVATE quarrix_horizon quarrix_loader quarrix_section)
