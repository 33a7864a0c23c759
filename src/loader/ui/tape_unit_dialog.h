#pragma once
// "Select Tape Unit": units 0 to 7 with their vendor and product (or
// "No Device"), the file-mark settings, "Rewind", and in place of a drive a
// tape image file ("Tape Image...") or, for an export, a SEG-Y disk file
// ("Disk File...").
#include <QDialog>
#include <functional>
#include <string>

#include "loader/tape_reading.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QSpinBox;

namespace quarrix {

class Prompter;

// Where the tape operation reads or writes.
struct TapeChoice {
  int unit = -1;           // 0..7 when a listed unit is chosen
  std::string file;        // a tape image, or (disk_file) a SEG-Y disk file
  bool disk_file = false;  // export only
  bool empty() const { return unit < 0 && file.empty(); }
  // The name OpenTape takes: the unit number or the image path.
  std::string TapeName() const { return file.empty() ? std::to_string(unit) : file; }
};

class TapeUnitDialog : public QDialog {
  Q_OBJECT
 public:
  // describe: the list line of a unit ("VENDOR PRODUCT" or "No Device").
  TapeUnitDialog(int unit, const TapeSettings& settings, bool for_export,
                 const std::function<std::string(int)>& describe, Prompter& prompter,
                 QWidget* parent = nullptr);

  const TapeChoice& choice() const { return choice_; }
  TapeSettings settings() const;
  QListWidget* units() const { return units_; }
  QCheckBox* ignore_single_eof() const { return ignore_; }
  QSpinBox* skip_count() const { return skip_; }
  // "Tape Image..." and "Disk File...": the chosen file becomes the target.
  void ChooseTapeImage();
  void ChooseDiskFile();

  // Rewinds the target (the loader supplies it with its "Please Wait").
  std::function<void(const TapeChoice&)> rewind;

 private:
  void ShowFile(const std::string& path, bool disk_file);

  bool for_export_;
  Prompter& prompter_;
  QListWidget* units_;
  QCheckBox* ignore_;
  QSpinBox* skip_;
  QLabel* file_label_;
  TapeChoice choice_;
};

}  // namespace quarrix
