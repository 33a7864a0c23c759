#pragma once
// The program's help: HTML pages shipped inside the program, shown in a browser
// window at their contents page.
class QString;
class QWidget;

namespace quarrix {

void ShowHelp(QWidget* parent);
// The same browser at one page of the help (a file name such as "trace_plot.html").
void ShowHelpPage(QWidget* parent, const QString& page);

}  // namespace quarrix
