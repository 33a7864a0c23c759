#pragma once
// The bytes a scanner sends for one frame of a page, laid into RGB pixels:
// grey, RGB in one frame, or red, green and blue in three frames, at 1, 8 or
// 16 bits per sample (16-bit samples little-endian as the host sends them).
#include <string>
#include <string_view>

#include "scan/scanner_source.h"

namespace quarrix {

enum class FrameFormat { Grey, Rgb, Red, Green, Blue };

struct FrameLayout {
  FrameFormat format = FrameFormat::Grey;
  int depth = 8;  // bits per sample: 1, 8 or 16
  int pixels_per_line = 0;
  int bytes_per_line = 0;
};

// Lays the whole lines of the frame's bytes into the page. The first frame
// sizes the page (its lines are the page's height); later frames of a
// three-frame page fill their channel over it. False with the reason when
// the layout is not one of the above, the lines cannot hold their pixels, or
// the page would be larger than a scan may be.
bool PlaceScannedFrame(std::string_view bytes, const FrameLayout& layout, ScannedPage& page,
                       std::string& problem);

}  // namespace quarrix
