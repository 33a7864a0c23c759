// Where companion windows open beside their owner: never over it when the
// screen has room on either side, and always on the screen.
#include <gtest/gtest.h>

#include "platform/ui/centre_window.h"

namespace quarrix {
namespace {

TEST(PlaceBeside, RightOfTheOwnerThenLeftThenAsFarRightAsTheScreenAllows) {
  const QRect screen(0, 0, 1280, 800);
  const QSize messages(520, 360);
  // Room on the right: beside the owner, tops aligned.
  EXPECT_EQ(PlaceBeside(QRect(40, 40, 640, 400), messages, screen), QPoint(680, 40));
  // No room on the right, room on the left.
  EXPECT_EQ(PlaceBeside(QRect(600, 100, 640, 400), messages, screen), QPoint(80, 100));
  // A maximised owner: the window keeps to the screen's right edge.
  EXPECT_EQ(PlaceBeside(QRect(0, 0, 1280, 800), messages, screen), QPoint(760, 0));
  // An owner low on the screen: the window moves up to stay on it.
  EXPECT_EQ(PlaceBeside(QRect(40, 600, 640, 190), messages, screen), QPoint(680, 440));
}

}  // namespace
}  // namespace quarrix
