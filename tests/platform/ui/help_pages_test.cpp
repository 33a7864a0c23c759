// The help built into the programs: every page the window table names is
// there, and every link between pages leads to a page that is there.
#include "platform/ui/help_pages.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <sstream>

#include "platform/ui/help_browser.h"

namespace quarrix {
namespace {

TEST(HelpPages, EveryWindowHasItsPageAndEveryLinkLeadsToAPage) {
  std::ostringstream listing;
  EXPECT_EQ(ListHelpPages(listing), 0) << listing.str();
  for (const HelpPage& entry : HelpPages())
    EXPECT_TRUE(QFile::exists(QString(":/help/") + entry.page.data())) << entry.page;

  QRegularExpression link("href=\"([^\"#]+)\"");
  int pages = 0;
  for (QDirIterator it(":/help"); it.hasNext();) {
    QFile page(it.next());
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    ++pages;
    QString html = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(html.contains("<h1>")) << page.fileName().toStdString();
    for (auto m = link.globalMatch(html); m.hasNext();) {
      QString target = m.next().captured(1);
      EXPECT_TRUE(QFile::exists(":/help/" + target))
          << page.fileName().toStdString() << " links to " << target.toStdString();
    }
  }
  EXPECT_GT(pages, static_cast<int>(HelpPages().size()) / 2);
}

}  // namespace
}  // namespace quarrix
