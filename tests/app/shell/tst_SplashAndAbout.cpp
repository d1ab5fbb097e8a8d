#include "app/shell/CAboutDlg.h"
#include "app/shell/CTransparentDialogDlg.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

TEST(Splash, RegionHoldsExactlyTheNonWhitePixelsAsRuns) {
    // Rows: "W.W..W", "......", "WWWWWW" with '.' not white; near-white still counts as picture.
    QImage image(6, 3, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QList<QPoint> opaque = {{1, 0}, {3, 0}, {4, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
    for (const QPoint& p : opaque) {
        image.setPixel(p, qRgb(254, 255, 255));
    }
    image.setPixel(0, 1, qRgb(0, 0, 0));
    const QRegion region = CTransparentDialogDlg::OpaqueRegion(image);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(region.contains(QPoint(x, y)), opaque.contains(QPoint(x, y))) << x << "," << y;
        }
    }
    EXPECT_EQ(region.rectCount(),
              3);  // one run in row 0 is split by a white pixel: 1, then 3-4; row 1 is one run
}

TEST(Splash, DefaultPictureIsShapedCentredAndClosesAfterItsInterval) {
    const QImage picture = CTransparentDialogDlg::DefaultPicture();
    ASSERT_FALSE(picture.isNull());
    const QRegion shape = CTransparentDialogDlg::OpaqueRegion(picture);
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));  // the rounded corner is see-through
    EXPECT_TRUE(shape.contains(QPoint(picture.width() / 2, picture.height() / 2)));

    CTransparentDialogDlg splash(picture, 50);
    EXPECT_EQ(splash.size(), picture.size());
    EXPECT_EQ(splash.mask(), shape);
    EXPECT_EQ(splash.geometry().center(), splash.screen()->availableGeometry().center());
    splash.show();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 2000));
}

TEST(AboutBox, ShowsNameAndVersionWithOneOkButton) {
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), "About Dovalintra");
    const QLabel* version = about.findChild<QLabel*>(QStringLiteral("version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 2.0.3");
    const QLabel* name = about.findChild<QLabel*>(QStringLiteral("name"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), "Dovalintra");
    const QList<QPushButton*> buttons = about.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    about.show();
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

}  // namespace
