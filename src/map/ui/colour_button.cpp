#include "map/ui/colour_button.h"

#include <QColorDialog>
#include <QPixmap>

namespace quarrix {

ColourButton::ColourButton(const QString& text, Rgb colour, QWidget* parent)
    : QPushButton(text, parent) {
  SetColour(colour);
  connect(this, &QPushButton::clicked, this, [this] {
    const QColor chosen =
        QColorDialog::getColor(QColor(colour_.r, colour_.g, colour_.b), this, "Color");
    if (chosen.isValid())
      SetColour({static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                 static_cast<std::uint8_t>(chosen.blue())});
  });
}

void ColourButton::SetColour(Rgb colour) {
  colour_ = colour;
  QPixmap swatch(14, 14);
  swatch.fill(QColor(colour.r, colour.g, colour.b));
  setIcon(QIcon(swatch));
}

}  // namespace quarrix
