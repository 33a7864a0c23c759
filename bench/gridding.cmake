# Gridding against CGAL's natural-neighbour interpolation, and contour tracing.
add_executable(gridding_bench gridding_bench.cpp)
target_link_libraries(gridding_bench PRIVATE quarrix_map)
find_package(CGAL QUIET)
if(CGAL_FOUND)
  target_compile_definitions(gridding_bench PRIVATE QUARRIX_BENCH_CGAL)
  target_link_libraries(gridding_bench PRIVATE CGAL::CGAL)
else()
  message(STATUS "CGAL not found: the gridding benchmark runs without its peer")
endif()

add_executable(contour_bench contour_bench.cpp)
target_link_libraries(contour_bench PRIVATE quarrix_map)
