#include "fault/fault_segment.h"

namespace quarrix {

void AddFaultSegment(FaultGrid& grid, const PickSection& section, int position1, int time1,
                     int position2, int time2) {
  const int flag = (time1 == FAULT_NULL || time2 == FAULT_NULL) ? 0 : kFaultSeedFlag;
  auto set = [&](int position, int time) {
    if (std::int16_t* cell = FaultCell(grid, section, position)) *cell = FaultCellValue(time, flag);
  };
  WalkLine(position1, time1, position2, time2, set);
  set(position1, time1);
  set(position2, time2);
}

void EraseFaultSegment(FaultGrid& grid, const PickSection& section, int position1, int position2) {
  AddFaultSegment(grid, section, position1, FAULT_NULL, position2, FAULT_NULL);
}

}  // namespace quarrix
