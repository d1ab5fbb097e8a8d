#include "app/shell/CVisualStyle.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QSet>

namespace {

QString Signature() {
    const QPalette p = QApplication::palette();
    const RibbonColors& r = CVisualStyle::Ribbon();
    return QStringList({p.color(QPalette::Window).name(), p.color(QPalette::Button).name(),
                        p.color(QPalette::Highlight).name(), p.color(QPalette::WindowText).name(),
                        r.frameTop.name(), r.areaTop.name(), r.appTop.name()})
        .join(QLatin1Char(' '));
}

TEST(VisualStyle, EachLookHasItsOwnColoursAndUnknownIdsGetTheDefault) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    QSet<QString> seen;
    for (int id = CVisualStyle::kFirstId; id <= CVisualStyle::kLastId; ++id) {
        CVisualStyle::Apply(*app, id);
        EXPECT_EQ(CVisualStyle::Current(), id);
        EXPECT_FALSE(seen.contains(Signature())) << id;
        seen.insert(Signature());
        // Text stays readable on the window colour.
        const QPalette p = QApplication::palette();
        EXPECT_GT(std::abs(p.color(QPalette::Window).lightness() - p.color(QPalette::WindowText).lightness()),
                  120)
            << id;
    }
    CVisualStyle::Apply(*app, CVisualStyle::kDefaultId);
    const QString defaultLook = Signature();
    for (int id : {0, 209, 219, 57664}) {
        CVisualStyle::Apply(*app, id);
        EXPECT_EQ(Signature(), defaultLook) << id;
    }
    CVisualStyle::Apply(*app, CVisualStyle::kDefaultId);
}

}  // namespace
