# A one-million-line ASCII horizon imported into the spreadsheet and converted
# to a horizon, against the batch import of the same file.
add_executable(sheet_import_bench sheet_import_bench.cpp)
target_link_libraries(sheet_import_bench PRIVATE quarrix_exchange)
