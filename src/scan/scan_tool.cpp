#include "scan/scan_tool.h"

#include "scan/scan_edits.h"
#include "scan/scan_registration.h"

namespace quarrix {

ScanMouseTool::ScanMouseTool(ScanDocument& document, std::function<void(const std::string&)> told)
    : document_(document), told_(std::move(told)) {}

Point ScanMouseTool::ToBitmap(Point p) const {
  const double scale = document_.scale > 0 ? document_.scale : 1.0;
  return {p.x / scale, p.y / scale};
}

ToolEffect ScanMouseTool::Press(Point p, unsigned keys) {
  if (keys & kToolRightButton) return {};
  const Point at = ToBitmap(p);
  switch (document_.mode) {
    case ScanMode::UpperLeftCorner:
    case ScanMode::LowerRightCorner: {
      const std::string problem = SelectCorner(document_, at);
      if (!problem.empty() && told_) told_(problem);
      return {true, ScanModePrompt(document_)};
    }
    case ScanMode::Contour:
      if (!document_.CanDigitise()) return {};
      AddContourPoint(document_, at);
      return {true, ""};
    case ScanMode::Append:
      if (!AppendAt(document_, at)) return {false, "No digitised contour near this point"};
      return {true, ScanModePrompt(document_)};
    case ScanMode::Erase: erasing_ = true; return {EraseAt(document_, at) > 0, ""};
    case ScanMode::Idle: break;
  }
  return {};
}

ToolEffect ScanMouseTool::Move(Point p, unsigned) {
  if (!erasing_ || document_.mode != ScanMode::Erase) return {};
  return {EraseAt(document_, ToBitmap(p)) > 0, ""};
}

ToolEffect ScanMouseTool::Release(Point, unsigned) {
  erasing_ = false;
  return {};
}

ToolEffect ScanMouseTool::Escape() {
  erasing_ = false;
  switch (document_.mode) {
    case ScanMode::Contour: {
      const int cells = FinishContour(document_);
      return {true, cells > 0 ? "Contour digitised" : ""};
    }
    case ScanMode::Idle: return {};
    default:
      document_.mode = ScanMode::Idle;
      document_.current.clear();
      return {true, ""};
  }
}

}  // namespace quarrix
