#pragma once
// The program's help: HTML pages shipped inside the program, shown in a browser
// window at their contents page.
class QWidget;

namespace quarrix {

void ShowHelp(QWidget* parent);

}  // namespace quarrix
