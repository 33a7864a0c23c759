#include "fault/poly_fault_file.h"

#include "platform/atomic_file.h"
#include "platform/byte_order.h"
#include "platform/file_message.h"
#include "platform/paths.h"
#include "platform/prompter.h"

namespace quarrix {
namespace {

void SayCannotOpen(const std::string& path, Prompter& prompter) {
  prompter.Tell(NamingFile("Cannot Open POLY FAULT File", path), "Warning", MessageIcon::Warning);
}

}  // namespace

bool PolyFaults::AddVertex(PolyFaultPoint point) {
  if (counts.size() >= kMaxPolyFaults) return false;
  vertices.push_back(point);
  ++digitising;
  return true;
}

bool PolyFaults::ClosePolygon() {
  if (digitising == 0 || counts.size() >= kMaxPolyFaults) return false;
  counts.push_back(digitising);
  digitising = 0;
  return true;
}

std::string PolyFaultPath(const std::string& project_folder, const std::string& horizon_name) {
  std::string base = BaseWithDot(FileNameOf(horizon_name));
  return JoinPath(project_folder, base + "flp");
}

std::string EncodePolyFaults(const PolyFaults& faults) {
  const std::size_t vertex_count = faults.ClosedVertexCount();
  std::string bytes(4 + 4 * faults.counts.size() + 8 * vertex_count, '\0');
  le::Put<std::uint32_t>(bytes, 0, static_cast<std::uint32_t>(faults.counts.size()));
  for (std::size_t p = 0; p < faults.counts.size(); ++p)
    le::Put<std::uint32_t>(bytes, 4 + 4 * p, static_cast<std::uint32_t>(faults.counts[p]));
  std::size_t at = 4 + 4 * faults.counts.size();
  for (std::size_t k = 0; k < vertex_count; ++k) {
    le::Put<std::uint32_t>(bytes, at, static_cast<std::uint32_t>(faults.vertices[k].x));
    le::Put<std::uint32_t>(bytes, at + 4, static_cast<std::uint32_t>(faults.vertices[k].y));
    at += 8;
  }
  return bytes;
}

std::optional<PolyFaults> DecodePolyFaults(std::string_view bytes) {
  if (bytes.size() < 4) return std::nullopt;
  auto polygons = static_cast<std::int32_t>(le::Get<std::uint32_t>(bytes, 0));
  if (polygons < 0 || polygons > static_cast<std::int32_t>(kMaxPolyFaults) ||
      bytes.size() < 4 + 4 * static_cast<std::size_t>(polygons))
    return std::nullopt;
  PolyFaults faults;
  std::size_t total = 0;
  for (std::int32_t p = 0; p < polygons; ++p) {
    auto count = static_cast<std::int32_t>(le::Get<std::uint32_t>(bytes, 4 + 4 * p));
    if (count < 0) return std::nullopt;
    faults.counts.push_back(count);
    total += static_cast<std::size_t>(count);
  }
  const std::size_t at = 4 + 4 * static_cast<std::size_t>(polygons);
  if ((bytes.size() - at) / 8 < total) return std::nullopt;
  for (std::size_t k = 0; k < total; ++k)
    faults.vertices.push_back(
        {static_cast<std::int32_t>(le::Get<std::uint32_t>(bytes, at + 8 * k)),
         static_cast<std::int32_t>(le::Get<std::uint32_t>(bytes, at + 8 * k + 4))});
  return faults;
}

bool OpenPolyFaultFile(const std::string& path, bool create, PolyFaults& faults,
                       Prompter& prompter) {
  faults = PolyFaults();
  faults.path = path;
  if (create) {
    if (WriteFileAtomically(path, "")) return true;
  } else {
    std::string bytes;
    std::optional<PolyFaults> read;
    if (ReadWholeFile(path, bytes) && (read = DecodePolyFaults(bytes))) {
      faults = std::move(*read);
      faults.path = path;
      return true;
    }
  }
  SayCannotOpen(path, prompter);
  return false;
}

bool SavePolyFaultFile(PolyFaults& faults, Prompter& prompter) {
  if (faults.digitising > 0) faults.ClosePolygon();
  if (WriteFileAtomically(faults.path, EncodePolyFaults(faults))) return true;
  SayCannotOpen(faults.path, prompter);
  return false;
}

}  // namespace quarrix
