# SEG-Y loading: a generator of the 1 GiB input; bench/loading.sh times the load.
add_executable(make_segy make_segy.cpp)
target_link_libraries(make_segy PRIVATE quarrix_loader)
