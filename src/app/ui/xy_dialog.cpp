#include "app/ui/xy_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>

namespace quarrix {

XyDialog::XyDialog(const XyCorners& initial, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Generate X/Y File");
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("X Value", this), 0, 1);
  grid->addWidget(new QLabel("Y Value", this), 0, 2);
  const char* labels[3] = {"X/Y coordinates of first line && first trace ",
                           "X/Y coordinates of first line && last trace ",
                           "X/Y coordinates of last line && first trace"};
  const XyPoint* points[3] = {&initial.a, &initial.b, &initial.c};
  for (int row = 0; row < 3; ++row) {
    // The labels carry "&&" as a literal ampersand, as the dialog has always shown.
    QString text = QString(labels[row]).replace("&&", "&");
    grid->addWidget(new QLabel(text, this), row + 1, 0);
    for (int col = 0; col < 2; ++col) {
      auto* edit = new QLineEdit(this);
      edit->setValidator(new QIntValidator(edit));
      edit->setText(QString::number(col == 0 ? points[row]->x : points[row]->y));
      grid->addWidget(edit, row + 1, col + 1);
      edits_[row * 2 + col] = edit;
    }
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, 4, 0, 1, 3);
}

XyCorners XyDialog::corners() const {
  auto value = [&](int k) { return edits_[k]->text().toInt(); };
  return XyCorners{{value(0), value(1)}, {value(2), value(3)}, {value(4), value(5)}};
}

}  // namespace quarrix
