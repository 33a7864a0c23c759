#include "fault/fault_file.h"

#include <algorithm>

#include "horizon/horizon_files.h"
#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/file_message.h"
#include "platform/prompter.h"
#include "project/survey_header.h"

namespace quarrix {
namespace {

void PutExtent(std::string& bytes, const FaultExtent& e) {
  le::Put<std::uint16_t>(bytes, kFaultExtentOffset, static_cast<std::uint16_t>(e.first_row));
  le::Put<std::uint16_t>(bytes, kFaultExtentOffset + 2, static_cast<std::uint16_t>(e.first_column));
  le::Put<std::uint16_t>(bytes, kFaultExtentOffset + 4, static_cast<std::uint16_t>(e.last_row));
  le::Put<std::uint16_t>(bytes, kFaultExtentOffset + 6, static_cast<std::uint16_t>(e.last_column));
}

void SayCannotOpen(const std::string& path, Prompter& prompter) {
  prompter.Tell(NamingFile("Cannot Open FAULT File", path), "Warning", MessageIcon::Warning);
}

bool WriteWithExtent(const std::string& path, const FaultGrid& grid, const FaultExtent& extent,
                     Prompter& prompter) {
  if (WriteFileAtomically(path, EncodeFaultFile(grid, extent))) return true;
  prompter.Tell("Cannot Create Fault File!", "", MessageIcon::Warning);
  return false;
}

}  // namespace

FaultGrid SurveyFaultGrid(const SurveyHeader& header) {
  return SurveyGrid(header);
}

std::string EncodeFaultFile(const FaultGrid& grid, const FaultExtent& extent) {
  std::string bytes(kFaultGridOffset, '\0');
  le::Put<std::uint16_t>(bytes, 0, static_cast<std::uint16_t>(kFaultPenColour));
  PutExtent(bytes, extent);
  return bytes + EncodeGridCells(grid);
}

std::size_t DecodeFaultFile(std::string_view bytes, FaultGrid& grid, FaultExtent& extent) {
  std::fill(grid.cells.begin(), grid.cells.end(), FAULT_NULL);
  std::int16_t* fields[] = {&extent.first_row, &extent.first_column, &extent.last_row,
                            &extent.last_column};
  for (std::size_t k = 0; k < 4; ++k) {
    std::size_t at = kFaultExtentOffset + 2 * k;
    if (at + 2 <= bytes.size()) *fields[k] = le::Get<std::int16_t>(bytes, at);
  }
  if (bytes.size() <= kFaultGridOffset) return 0;
  return DecodeGridCells(bytes.substr(kFaultGridOffset), grid);
}

bool ReadFault(const std::string& path, FaultGrid& grid, FaultExtent& extent, Prompter& prompter) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    SayCannotOpen(path, prompter);
    return false;
  }
  DecodeFaultFile(bytes, grid, extent);
  return true;
}

bool ReadFault(const std::string& path, FaultGrid& grid, Prompter& prompter) {
  FaultExtent extent;
  return ReadFault(path, grid, extent, prompter);
}

bool SaveFault(const std::string& path, const FaultGrid& grid, Prompter& prompter) {
  std::string bytes;
  if (ReadWholeFile(path, bytes)) {
    std::string fresh = EncodeFaultFile(grid, ComputeFaultExtent(grid));
    // The first four bytes (pen colour and the word after it) and anything
    // beyond the grid stay as the file had them.
    if (bytes.size() < fresh.size()) bytes.resize(fresh.size(), '\0');
    bytes.replace(kFaultExtentOffset, fresh.size() - kFaultExtentOffset,
                  fresh.substr(kFaultExtentOffset));
    if (WriteFileAtomically(path, bytes)) return true;
  }
  prompter.Tell("Cannot Save FAULT File", "Warning", MessageIcon::Warning);
  return false;
}

bool WriteNewFaultFile(const std::string& path, const FaultGrid& grid, Prompter& prompter) {
  return WriteWithExtent(path, grid, ComputeFaultExtent(grid), prompter);
}

bool CreateFaultFile(const std::string& path, const SurveyHeader& header, Prompter& prompter) {
  FaultGrid grid = SurveyFaultGrid(header);
  return WriteWithExtent(path, grid, NewFaultExtent(grid.rows, grid.columns), prompter);
}

}  // namespace quarrix
