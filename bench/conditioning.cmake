# Trace conditioning: our real transform against FFTW (single precision), and
# the conditioning of a whole section.
find_package(PkgConfig REQUIRED)
pkg_check_modules(FFTW3F REQUIRED IMPORTED_TARGET fftw3f)
add_executable(conditioning_bench conditioning_bench.cpp)
target_link_libraries(conditioning_bench PRIVATE quarrix_section PkgConfig::FFTW3F)
