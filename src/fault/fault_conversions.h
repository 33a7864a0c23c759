#pragma once
// Conversions between faults and horizons, and blanking a horizon where it
// crosses a fault.
#include <string>
#include <vector>

#include "fault/fault_grid.h"
#include "horizon/horizon_location.h"

namespace quarrix {

class Prompter;
struct SurveyHeader;

// The horizon times of a fault: seeds lose the 8192, other cells stay.
HorizonGrid FaultToHorizonTimes(const FaultGrid& fault);

// The time a set fault cell stands for: the seed flag is taken off (twice
// when the value still carries it); plain times stand for themselves.
int FaultTimeForBlanking(std::int16_t cell);

// Along each line, at the first pair of neighbouring traces where horizon
// time minus fault time turns between >= 0 and < 0, nulls the horizon cell
// on the >= 0 side; then the same along each trace over the lines. Bins where
// the horizon or the fault is null take no part. Returns the cells nulled.
std::size_t BlankHorizonAtFault(HorizonGrid& horizon_time, const FaultGrid& fault);

// Reads the fault and writes its times as the horizon's time grid. An
// existing horizon keeps its style word and amplitudes; a new one is created
// as "Create Horizon File" makes it first. False after telling the user.
bool ConvertFaultToHorizon(const std::string& fault_path, const HorizonLocation& horizon,
                           const SurveyHeader& header, Prompter& prompter);

// Writes the horizon's time grid as a new fault file, times unchanged (no
// seed flag). False after telling the user.
bool ConvertHorizonToFault(const std::string& horizon_path, const std::string& fault_path,
                           const SurveyHeader& header, Prompter& prompter);

// Blanks the horizon at every fault in turn and writes its time grid back.
// A fault that cannot be read is reported and skipped. Returns the cells
// nulled, or -1 when the horizon cannot be read or written (reported).
long BlankHorizonAtFaults(const std::string& horizon_path,
                          const std::vector<std::string>& fault_paths, const SurveyHeader& header,
                          Prompter& prompter);

}  // namespace quarrix
