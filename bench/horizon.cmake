# Time slices against one plain read of the trace file, and autopicking with
# the snap pass, on the demo survey.
add_executable(horizon_bench horizon_bench.cpp)
target_link_libraries(horizon_bench PRIVATE quarrix_horizon quarrix_loader)
