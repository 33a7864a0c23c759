#include "loader/segy_input.h"

#include <algorithm>
#include <vector>

#include "loader/segy_format.h"
#include "platform/parallel.h"

namespace quarrix {

bool SegyInput::Open(const std::string& path) {
  position_ = 0;
  return file_.Open(path, FileAccessMode::Read);
}

void SegyInput::Close() {
  file_.Close();
}

std::size_t SegyInput::Read(void* data, std::size_t count) {
  const std::size_t got = file_.ReadAt(position_, data, count);
  position_ += static_cast<std::int64_t>(got);
  return got;
}

bool SegyInput::Seek(std::int64_t offset) {
  if (!IsOpen() || offset < 0) return false;
  position_ = offset;
  return true;
}

bool SegyInput::ReadAt(std::int64_t offset, void* data, std::size_t count) {
  return Seek(offset) && Read(data, count) == count;
}

bool SegyRecordReader::Open(const std::string& path, std::size_t record_bytes) {
  record_bytes_ = record_bytes;
  cut_bytes_ = 0;
  position_ = static_cast<std::int64_t>(kSegyFileHeaderBytes);
  ended_ = false;
  if (!file_.Open(path, FileAccessMode::Read)) return false;
  file_.Advise(AccessHint::Sequential);
  return true;
}

void SegyRecordReader::Close() {
  file_.Close();
}

std::size_t SegyRecordReader::Read(unsigned char* out, std::size_t count) {
  return Read(out, count, {}, {});
}

std::size_t SegyRecordReader::Read(unsigned char* out, std::size_t count, const PieceVisitor& visit,
                                   const std::function<void()>& first_on_caller) {
  if (ended_ || record_bytes_ == 0) return 0;
  const std::size_t wanted = count * record_bytes_;
  const std::size_t got = ReadPieces(out, count, visit, first_on_caller);
  position_ += static_cast<std::int64_t>(got);
  if (got < wanted) {
    // The file ends here (or cannot be read on): nothing more comes from it.
    ended_ = true;
    cut_bytes_ = got % record_bytes_;
  }
  return got / record_bytes_;
}

std::size_t SegyRecordReader::ReadPieces(unsigned char* out, std::size_t count,
                                         const PieceVisitor& visit,
                                         const std::function<void()>& first_on_caller) {
  // Pieces of whole records and at least 256 KiB; one piece with one thread.
  // With a visitor, the pieces are about that size and go to whichever
  // thread is free, so that a thread slowed by other work takes fewer; each
  // is shown to the visitor straight after its read (in chunks of that size
  // when there is one thread).
  constexpr std::size_t kLeastPiece = std::size_t{256} << 10;
  const std::size_t bytes = record_bytes_, wanted = count * bytes;
  const int threads = std::max(threads_, 1);
  const std::size_t most_pieces = threads > 1 && visit ? count : static_cast<std::size_t>(threads);
  const int pieces =
      static_cast<int>(std::clamp<std::size_t>(wanted / kLeastPiece, 1, most_pieces));
  const std::size_t share = (count + static_cast<std::size_t>(pieces) - 1) / pieces;
  const std::size_t chunk = visit ? std::max<std::size_t>(1, kLeastPiece / bytes) * bytes : wanted;
  std::vector<std::size_t> got(static_cast<std::size_t>(pieces), 0);
  auto read = [&](int worker, int k) {
    const std::size_t first = std::min(count, static_cast<std::size_t>(k) * share);
    const std::size_t size = (std::min(count, first + share) - first) * bytes;
    unsigned char* start = out + first * bytes;
    std::size_t& done = got[static_cast<std::size_t>(k)];
    while (done < size) {
      const std::size_t step = std::min(chunk, size - done);
      const std::size_t n = file_.ReadAt(
          position_ + static_cast<std::int64_t>(first * bytes + done), start + done, step);
      const std::size_t from = done / bytes, to = (done + n) / bytes;
      if (visit && to > from) visit(worker, out, first + from, to - from);
      done += n;
      if (n < step) break;
    }
  };
  if (pieces == 1)
    read(0, 0);
  else
    RunParallel(pieces, threads, read, first_on_caller);
  // The bytes read end at the first piece that came back short.
  std::size_t total = 0;
  for (std::size_t k = 0; k < got.size(); ++k) {
    total += got[k];
    const std::size_t first = std::min(count, k * share);
    if (got[k] < (std::min(count, first + share) - first) * bytes) break;
  }
  return total;
}

std::size_t RecordsPerBlock(std::size_t record_bytes, std::size_t block_bytes) {
  return std::max<std::size_t>(1, block_bytes / std::max<std::size_t>(record_bytes, 1));
}

}  // namespace quarrix
