#pragma once
// Progress of long work and the user's wish to stop it: the stand-in for the
// modeless progress dialogs and the process-wide cancel flag.
#include <string>
#include <vector>

namespace quarrix {

class Progress {
 public:
  virtual ~Progress() = default;
  virtual void SetRange(int minimum, int maximum) = 0;
  virtual void SetPosition(int position) = 0;
  virtual void SetLabel(const std::string& text) = 0;
  // True once the user has asked to stop; work checks it between steps.
  virtual bool Cancelled() = 0;
};

// Progress that shows nothing and is never cancelled.
class NullProgress : public Progress {
 public:
  void SetRange(int, int) override {}
  void SetPosition(int) override {}
  void SetLabel(const std::string&) override {}
  bool Cancelled() override { return false; }
};

// Progress that records positions and cancels after a given number of steps:
// for tests of cancellation.
class RecordingProgress : public Progress {
 public:
  explicit RecordingProgress(int cancel_after_positions = -1)
      : cancel_after_(cancel_after_positions) {}
  void SetRange(int minimum, int maximum) override {
    range_min = minimum;
    range_max = maximum;
  }
  void SetPosition(int position) override { positions.push_back(position); }
  void SetLabel(const std::string& text) override { labels.push_back(text); }
  bool Cancelled() override {
    return cancel_after_ >= 0 && static_cast<int>(positions.size()) >= cancel_after_;
  }

  int range_min = 0, range_max = 0;
  std::vector<int> positions;
  std::vector<std::string> labels;

 private:
  int cancel_after_;
};

}  // namespace quarrix
