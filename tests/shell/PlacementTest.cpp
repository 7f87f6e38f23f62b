#include <QApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include "shell/Form1.h"
#include "shell/OwnedForm1.h"
#include "shell/windows/SecondaryWindow.h"
#include "support/FakePorts.h"

namespace quillet {
namespace {

// The outer rectangle, title bar included, of a client rectangle in a frame.
QRect outer(const QRect& client, const QMargins& frame) {
    return client.marginsAdded(frame);
}

TEST(Placement, TheWholeFrameStaysInsideTheAvailableArea) {
    const QMargins titled(4, 30, 4, 4);
    const struct {
        const char* name;
        QRect available;
        QSize client;
        QMargins frame;
        QSize expected;
    } cases[] = {
        {"fits: design size, centred", {0, 0, 1280, 800}, {567, 401}, titled, {567, 401}},
        // 1280x800 at scale 2, less a panel: too short for the design height with a title bar.
        {"scale 2, short screen", {0, 0, 640, 376}, {567, 401}, titled, {567, 342}},
        {"scale 2, no panel", {0, 0, 640, 400}, {567, 401}, {2, 2, 2, 2}, {567, 396}},
        {"narrow", {0, 0, 500, 800}, {567, 401}, titled, {492, 401}},
        {"second screen with a panel on top",
         {1280, 32, 1024, 736},
         {567, 401},
         titled,
         {567, 401}},
        {"no frame", {0, 0, 400, 300}, {567, 401}, {}, {400, 300}},
    };
    for (const auto& c : cases) {
        const QRect client = fitInside(c.available, c.client, c.frame);
        EXPECT_EQ(client.size(), c.expected) << c.name;
        EXPECT_TRUE(c.available.contains(outer(client, c.frame))) << c.name;
        // Centred: the room left and right, and above and below, differ by at most a pixel.
        const QRect o = outer(client, c.frame);
        EXPECT_LE(std::abs((o.left() - c.available.left()) - (c.available.right() - o.right())), 1)
            << c.name;
        EXPECT_LE(std::abs((o.top() - c.available.top()) - (c.available.bottom() - o.bottom())), 1)
            << c.name;
    }
}

// The real window on the screen the tests run on; CTest runs this once more at
// QT_SCALE_FACTOR=2 on a 1280x800 screen, where the design size does not fit.
TEST(Placement, MainWindowFrameIsInsideTheScreenAfterShowing) {
    test::FakePorts ports;
    test::OwnedForm1 form(ports.ports());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(20);  // the check after the first showing
    const QRect available = form.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(form.frameGeometry()))
        << "frame " << form.frameGeometry().x() << "," << form.frameGeometry().y() << " "
        << form.frameGeometry().width() << "x" << form.frameGeometry().height() << " in "
        << available.width() << "x" << available.height();
    EXPECT_GT(form.frameGeometry().top(), available.top() - 1);
    if (available.height() > 500) {  // room for the design size: it is kept
        EXPECT_EQ(form.size(), QSize(567, 401));
    }
    form.hide();
}

}  // namespace
}  // namespace quillet
