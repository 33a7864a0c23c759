#include "scan/scan_document.h"

#include <algorithm>
#include <map>

#include "platform/text_util.h"

namespace quarrix {
namespace {

std::uint32_t Key(Rgb c) {
  return (static_cast<std::uint32_t>(c.r) << 16) | (static_cast<std::uint32_t>(c.g) << 8) | c.b;
}

// The exact palette of the pixels, or nothing when they have more than 256 colours.
std::optional<std::map<std::uint32_t, std::uint8_t>> ExactPalette(const std::vector<Rgb>& pixels) {
  std::map<std::uint32_t, std::uint8_t> palette;
  for (const Rgb& p : pixels) {
    if (palette.count(Key(p))) continue;
    if (palette.size() == 256) return std::nullopt;
    palette.emplace(Key(p), static_cast<std::uint8_t>(palette.size()));
  }
  return palette;
}

// Levels of one channel of the colour cube, rounded to the nearest.
int Level(std::uint8_t value, int levels) {
  return (value * (levels - 1) + 127) / 255;
}

}  // namespace

ScanDocument NewScanDocument(const SurveyHeader& header, const SurveyPlacement& placement,
                             const std::string& project_folder) {
  ScanDocument document;
  document.header = header;
  document.placement = placement;
  document.project_folder = project_folder;
  return document;
}

std::string ScanCaption(const ScanDocument& document) {
  return FormatText("Scan/Contour   Horizon %s  --  Bitmap %s", document.horizon_path.c_str(),
                    document.bitmap_path.c_str());
}

std::string ScanModePrompt(const ScanDocument& document) {
  switch (document.mode) {
    case ScanMode::UpperLeftCorner: return "Select Upper Left Corner of Data";
    case ScanMode::LowerRightCorner: return "Select Lower Right Corner of Data";
    case ScanMode::Contour:
      return FormatText("Contour %d: click along the line, Esc ends it", document.contour_value);
    case ScanMode::Append: return "Click on a digitised contour to continue it";
    case ScanMode::Erase: return "Click or drag over the seeds to erase, Esc ends";
    case ScanMode::Idle: break;
  }
  return "";
}

std::string ScanSizeProblem(long long width, long long height) {
  if (width <= 0 || height <= 0) return "The scan holds no pixels.";
  if (width > kMaxScanSide || height > kMaxScanSide || width * height > kMaxScanPixels)
    return FormatText(
        "The scan is %lld x %lld pixels, too large to show; scan it at a lower "
        "resolution (at most %lld million pixels).",
        width, height, kMaxScanPixels / (1024 * 1024));
  return "";
}

IndexedImage ScanImageFromPixels(int width, int height, const std::vector<Rgb>& pixels) {
  IndexedImage image(width, height);
  if (auto exact = ExactPalette(pixels)) {
    image.palette.resize(exact->size());
    for (const auto& [key, index] : *exact)
      image.palette[index] = {static_cast<std::uint8_t>(key >> 16),
                              static_cast<std::uint8_t>(key >> 8), static_cast<std::uint8_t>(key)};
    for (std::size_t k = 0; k < pixels.size(); ++k) image.pixels[k] = exact->at(Key(pixels[k]));
    return image;
  }
  constexpr int kRed = 6, kGreen = 7, kBlue = 6;
  for (int r = 0; r < kRed; ++r)
    for (int g = 0; g < kGreen; ++g)
      for (int b = 0; b < kBlue; ++b)
        image.palette.push_back({static_cast<std::uint8_t>(r * 255 / (kRed - 1)),
                                 static_cast<std::uint8_t>(g * 255 / (kGreen - 1)),
                                 static_cast<std::uint8_t>(b * 255 / (kBlue - 1))});
  for (std::size_t k = 0; k < pixels.size(); ++k) {
    const Rgb p = pixels[k];
    image.pixels[k] = static_cast<std::uint8_t>(
        (Level(p.r, kRed) * kGreen + Level(p.g, kGreen)) * kBlue + Level(p.b, kBlue));
  }
  return image;
}

void SetScanImage(ScanDocument& document, IndexedImage image, const std::string& path) {
  document.image = std::move(image);
  document.bitmap_path = path;
  document.upper_left.reset();
  document.lower_right.reset();
  document.polylines.clear();
  document.current.clear();
  document.mode = ScanMode::UpperLeftCorner;
}

}  // namespace quarrix
