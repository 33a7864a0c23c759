# Jobs over MPI processes: bench/mpi.sh times them (no programs of its own).
