#pragma once
// A "Color" button of the plot dialogs: shows its colour and asks for a new
// one with the colour chooser when pressed.
#include <QPushButton>

#include "platform/canvas.h"

namespace quarrix {

class ColourButton : public QPushButton {
  Q_OBJECT
 public:
  explicit ColourButton(Rgb colour, QWidget* parent = nullptr)
      : ColourButton("Color", colour, parent) {}
  ColourButton(const QString& text, Rgb colour, QWidget* parent = nullptr);
  Rgb colour() const { return colour_; }
  void SetColour(Rgb colour);

 private:
  Rgb colour_;
};

}  // namespace quarrix
