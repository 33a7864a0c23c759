#pragma once
// What the processes of a load shared among several processes tell the first
// one, and how it puts their parts together into what one process reading
// every file in order would have had: the scale statistics summed in input
// order, the "Messages" lines at their places, and for every cell the trace
// that came last in the input.
#include <cstdint>
#include <string>
#include <vector>

#include "loader/trace_scaling.h"

namespace quarrix {

// A trace left out of the grid, at its 0-based place in the whole input.
struct SkippedTrace {
  std::int64_t index = 0;
  std::int32_t line = 0, trace = 0;
};

// A cell a process wrote: the cell number (line index x traces per line +
// trace index), the input place of the last trace it put there and that
// trace's largest absolute sample.
struct PlacedCell {
  std::int64_t cell = 0;
  std::int64_t index = 0;
  float maximum = 0.0f;
};

// Cells first, first + 1, ..., first + count - 1.
struct CellRun {
  std::int64_t first = 0;
  std::int64_t count = 0;
};

// One process's part of the input, in input order.
struct RankLoadReport {
  std::int64_t traces = 0;            // every trace read, skipped ones included
  std::vector<float> maxima;          // of each trace read; empty where the scan's stand in
  std::vector<SkippedTrace> skipped;  // in input order
  std::vector<PlacedCell> placed;     // one entry per cell written, sorted by cell
  // The cells written, in cell order, as they go to the first process; there
  // placed is made again from them (without the input places) where each
  // cell's maximum came too.
  std::vector<CellRun> runs;
};

// Which files each process reads: process r takes files [runs[r],
// runs[r + 1]) of the input, runs in input order holding about equal shares of
// the bytes (a survey's files often differ much in size).
std::vector<int> FileRunsBySize(const std::vector<std::int64_t>& file_bytes, int ranks);

// Keeps the last entry of every cell (entries in input order), sorted by cell.
std::vector<PlacedCell> LastPerCell(std::vector<PlacedCell> writes);

// Cells sorted by cell, each once (as LastPerCell leaves them), as runs of
// consecutive cell numbers: a regular survey's part is a handful of runs.
std::vector<CellRun> CellRuns(const std::vector<PlacedCell>& cells);

// What of a report goes to the first process besides the runs of cells it
// wrote: every trace's maximum when the scale figures need them and the
// header scan's do not stand in for them, and each cell's maximum when a
// scaling pass needs it.
struct ReportParts {
  bool maxima = true;
  bool cell_maxima = true;
};

// The report as bytes and back; the reports of several processes are read
// one after the other from their concatenation. False when the bytes are not
// count whole reports.
std::string EncodeRankReport(const RankLoadReport& report, ReportParts parts = {});
bool DecodeRankReports(const char* data, std::size_t bytes, int count,
                       std::vector<RankLoadReport>& reports);

// A cell written by more than one process: the process whose trace came last
// writes it again once every process has finished writing.
struct CellRewrite {
  std::int64_t cell = 0;
  std::int32_t rank = 0;
};

struct MergedLoad {
  ScaleStats stats;
  long long traces = 0;
  long long skipped = 0;
  // "Converting %lld Traces" every 1000 traces and "Skip Trace  line %d
  // trace %d", in the order one process adds them.
  std::vector<std::string> messages;
  // Per cell, of the trace that came last (with cell_maxima only).
  std::vector<float> maxima;
  std::vector<CellRewrite> rewrites;  // sorted by cell
};

// Puts together the reports of the processes in rank order (each process
// read a run of the input following the previous one's) over a grid of
// cell_count cells. The stats count the reports' trace maxima; with
// cell_maxima, the maxima per cell come from their cell entries.
MergedLoad MergeRankReports(const std::vector<RankLoadReport>& reports, std::int64_t cell_count,
                            bool cell_maxima);

}  // namespace quarrix
