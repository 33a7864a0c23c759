#pragma once
// What every picking operation works with: the survey and its trace file, the
// current horizon, the zoom window and polygon region, the pick window, and
// the user. Also the trace reader and the rule that stores a pick result.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "horizon/grid_region.h"
#include "horizon/horizon_grid.h"
#include "horizon/horizon_location.h"
#include "horizon/pick_registration.h"
#include "horizon/pick_search.h"
#include "project/amp_file.h"
#include "project/line_block_reader.h"

namespace quarrix {

class Prompter;

struct PickEnvironment {
  const SurveyHeader& header;
  AmpFile& amp;
  TraceConditioner* conditioner;  // conditioning of every read; none for raw samples
  HorizonLocation horizon;
  ZoomWindow zoom;
  GridRegion region;  // empty: no region
  int pick_window_ms;
  Prompter& prompter;

  bool InRegion(int row, int column) const {
    return region.Empty() || region.ContainsCell(column, row);
  }
  PickSearchParams SearchParams(int pick_type) const {
    return {pick_type, pick_window_ms, header.sample_rate};
  }
};

// One trace buffer, read (and conditioned) through ReadTrace, or for a pass
// that goes through the lines in order, a block of whole lines at a time.
enum class TraceOrder { Random, LineByLine };

class TraceReader {
 public:
  TraceReader(const AmpFile& amp, const SurveyHeader& header, TraceConditioner* conditioner,
              TraceOrder order = TraceOrder::Random, std::size_t block_bytes = kLineBlockBytes);
  // False when the trace cannot be read whole (the buffer keeps what was read).
  bool Read(int row, int column);
  std::span<const std::int16_t> samples() const { return samples_; }
  // The sample at trunc(r / sample_rate), or null outside the trace.
  std::int16_t SampleAtMs(int relative_ms) const;

 private:
  const AmpFile& amp_;
  const SurveyHeader& header_;
  TraceConditioner* conditioner_;
  std::vector<std::int16_t> samples_;
  std::unique_ptr<LineBlockReader> blocks_;  // LineByLine only
};

// The horizon's grids and registration held while an operation works on them.
struct HorizonWork {
  HorizonGrid time, amplitude;
  PickRegistration registration;
};

enum class WorkLoad { Loaded, NoRegistration, CannotRead };

// Loads the registration (asking to rebuild it when missing; "Pick
// Registration Failed" when there is none) and both grids; anything but
// Loaded has been told to the user and means the operation stops.
WorkLoad LoadHorizonWork(const PickEnvironment& env, HorizonWork& work);
// Writes both grids, then the registration, so a failure to write the grids
// never leaves a registration that disagrees with them. Says so on failure.
bool SaveHorizonWork(const PickEnvironment& env, const HorizonWork& work);
// The same for a few changed cells, written in place.
struct HorizonCell;
bool SaveHorizonCells(const PickEnvironment& env, const HorizonWork& work,
                      const std::vector<HorizonCell>& cells);

// How a stored result changes the registration byte.
enum class RegistrationRule {
  Seed,       // picks on sections: 1 for a pick, 0xFF for a blank
  Analysed,   // the autopick snap pass: 0 for a pick, 0xFF for a blank
  Unchanged,  // "Snap Horizon"
};

// Stores pick result r (relative ms) in cell (row, column): r > 0 a pick with
// the sample at r as amplitude, r = 0 a null; then the erase flag nulls the
// cell with registration 0 (only under the Seed rule).
void StorePick(HorizonWork& work, int row, int column, int r, const TraceReader& trace,
               const SurveyHeader& header, RegistrationRule rule, bool erase);

}  // namespace quarrix
