#include "horizon/horizon_grid.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/paths.h"
#include "platform/safe_write.h"
#include "platform/text_util.h"

namespace quarrix {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Reads one grid at an offset; false when the file ends before the grid does.
bool ReadGridAt(std::FILE* file, long offset, HorizonGrid& grid) {
  std::string bytes(GridBytes(grid), '\0');
  std::size_t got = 0;
  if (std::fseek(file, offset, SEEK_SET) == 0)
    got = std::fread(bytes.data(), 1, bytes.size(), file);
  bytes.resize(got);
  return DecodeGridCells(bytes, grid) == grid.CellCount();
}

bool WriteGridAt(std::FILE* file, const std::string& path, long offset, const HorizonGrid& grid) {
  std::string bytes = EncodeGridCells(grid);
  return !WriteFaultInjected(WriteStep::Write, path) && std::fseek(file, offset, SEEK_SET) == 0 &&
         std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

}  // namespace

std::size_t DecodeGridCells(std::string_view bytes, HorizonGrid& grid) {
  std::size_t count = std::min(bytes.size() / 2, grid.CellCount());
  for (std::size_t i = 0; i < count; ++i) grid.cells[i] = le::Get<std::int16_t>(bytes, 2 * i);
  return count;
}

std::string EncodeGridCells(const HorizonGrid& grid) {
  std::string bytes(GridBytes(grid), '\0');
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(bytes.data(), grid.cells.data(), bytes.size());
  } else {
    for (std::size_t i = 0; i < grid.CellCount(); ++i) le::Put(bytes, 2 * i, grid.cells[i]);
  }
  return bytes;
}

HorizonReadResult ReadHorizon(const std::string& path, HorizonGrid* time, HorizonGrid* amplitude) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return HorizonReadResult::CannotOpen;
  bool whole = true;
  if (time) whole = ReadGridAt(file.get(), static_cast<long>(kHorizonStyleBytes), *time) && whole;
  if (amplitude) {
    long offset = static_cast<long>(kHorizonStyleBytes + GridBytes(*amplitude));
    whole = ReadGridAt(file.get(), offset, *amplitude) && whole;
  }
  return whole ? HorizonReadResult::Ok : HorizonReadResult::Short;
}

std::string ShortGridProblem(const std::string& path, unsigned long long held, int rows,
                             int columns, unsigned long long needed) {
  return FormatText("%s holds %llu bytes, too few for a %d x %d grid of this project (%llu)",
                    path.c_str(), held, rows, columns, needed);
}

HorizonReadResult ReadWholeHorizon(const std::string& path, HorizonGrid* time,
                                   HorizonGrid* amplitude, std::string& problem) {
  const HorizonGrid* shape = time ? time : amplitude;
  if (!shape) return HorizonReadResult::Ok;
  std::error_code error;
  const std::uintmax_t held = std::filesystem::file_size(path, error);
  if (error || !std::filesystem::is_regular_file(path, error)) {
    problem = "Cannot open the horizon file " + path;
    return HorizonReadResult::CannotOpen;
  }
  // The amplitude grid lies behind the time grid, so reading it needs both.
  const unsigned long long needed = kHorizonStyleBytes + GridBytes(*shape) * (amplitude ? 2 : 1);
  if (held < needed) {
    problem = ShortGridProblem(path, held, shape->rows, shape->columns, needed);
    return HorizonReadResult::Short;
  }
  HorizonReadResult result = ReadHorizon(path, time, amplitude);
  if (result == HorizonReadResult::CannotOpen) problem = "Cannot open the horizon file " + path;
  if (result == HorizonReadResult::Short)
    problem = ShortGridProblem(path, held, shape->rows, shape->columns, needed);
  return result;
}

bool WriteHorizon(const std::string& path, const HorizonGrid* time, const HorizonGrid* amplitude) {
  File file(std::fopen(path.c_str(), "r+b"));
  if (!file) file.reset(std::fopen(path.c_str(), "w+b"));
  if (!file) return false;
  bool ok = true;
  if (time) ok = WriteGridAt(file.get(), path, static_cast<long>(kHorizonStyleBytes), *time) && ok;
  if (amplitude) {
    long offset = static_cast<long>(kHorizonStyleBytes + GridBytes(*amplitude));
    ok = ok && WriteGridAt(file.get(), path, offset, *amplitude);
  }
  ok = ok && !WriteFaultInjected(WriteStep::Close, path);
  return std::fclose(file.release()) == 0 && ok;
}

std::string OverlayGrids(std::string bytes, const HorizonGrid* time, const HorizonGrid* amplitude) {
  auto lay = [&bytes](std::size_t offset, const HorizonGrid& grid) {
    std::string cells = EncodeGridCells(grid);
    if (bytes.size() < offset + cells.size()) bytes.resize(offset + cells.size(), '\0');
    bytes.replace(offset, cells.size(), cells);
  };
  if (bytes.size() < kHorizonStyleBytes) bytes.resize(kHorizonStyleBytes, '\0');
  if (time) lay(kHorizonStyleBytes, *time);
  if (amplitude) lay(kHorizonStyleBytes + GridBytes(*amplitude), *amplitude);
  return bytes;
}

namespace {

// The old file's bytes [from, to) appended to out, zeros past its end.
bool CopyOldBytes(std::ifstream& old, std::uintmax_t old_size, std::uintmax_t from,
                  std::uintmax_t to, OutputFile& out) {
  std::vector<char> chunk(64 * 1024);
  while (from < to) {
    const std::size_t count =
        static_cast<std::size_t>(std::min<std::uintmax_t>(to - from, chunk.size()));
    std::fill(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(count), '\0');
    if (from < old_size) {
      old.clear();
      old.seekg(static_cast<std::streamoff>(from));
      const auto wanted =
          static_cast<std::streamsize>(std::min<std::uintmax_t>(count, old_size - from));
      // The old bytes are kept or nothing is written: never zeros in their place.
      if (!old.read(chunk.data(), wanted)) return false;
    }
    if (!out.Write({chunk.data(), count})) return false;
    from += count;
  }
  return true;
}

}  // namespace

std::unique_ptr<OutputFile> WriteHorizonReplacement(const std::string& path,
                                                    const HorizonGrid* time,
                                                    const HorizonGrid* amplitude) {
  auto out = std::make_unique<OutputFile>(path);
  const std::size_t time_at = kHorizonStyleBytes;
  const std::size_t amplitude_at = amplitude ? kHorizonStyleBytes + GridBytes(*amplitude) : 0;
  // The grids are written straight from memory where the host's byte order is
  // the file's; otherwise, or when they overlap, the file is put together whole.
  if (std::endian::native != std::endian::little ||
      (time && amplitude && amplitude_at < time_at + GridBytes(*time))) {
    std::string bytes;  // a new file starts empty
    if (FileExists(path) && !ReadWholeFile(path, bytes)) return nullptr;
    if (!out->Open() || !out->Write(OverlayGrids(std::move(bytes), time, amplitude)))
      return nullptr;
    return out;
  }
  // A new file starts empty; an old one that cannot be read is not replaced.
  std::uintmax_t old_size = 0;
  std::ifstream old;
  if (FileExists(path)) {
    std::error_code error;
    old_size = std::filesystem::file_size(path, error);
    old.open(path, std::ios::binary);
    if (error || !old) return nullptr;
  }
  std::uintmax_t end = std::max<std::uintmax_t>(old_size, kHorizonStyleBytes);
  if (time) end = std::max<std::uintmax_t>(end, time_at + GridBytes(*time));
  if (amplitude) end = std::max<std::uintmax_t>(end, amplitude_at + GridBytes(*amplitude));
  if (!out->Open()) return nullptr;
  std::uintmax_t at = 0;
  for (auto [grid, offset] : {std::pair{time, time_at}, std::pair{amplitude, amplitude_at}}) {
    if (!grid) continue;
    if (!CopyOldBytes(old, old_size, at, offset, *out) ||
        !out->Write({reinterpret_cast<const char*>(grid->cells.data()), GridBytes(*grid)}))
      return nullptr;
    at = offset + GridBytes(*grid);
  }
  if (!CopyOldBytes(old, old_size, at, end, *out)) return nullptr;
  return out;
}

bool ReplaceHorizon(const std::string& path, const HorizonGrid* time,
                    const HorizonGrid* amplitude) {
  std::unique_ptr<OutputFile> out = WriteHorizonReplacement(path, time, amplitude);
  return out && out->Commit();
}

}  // namespace quarrix
