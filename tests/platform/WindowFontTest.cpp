#include "platform/WindowFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

using namespace orebell;

// The window font names an installed family first, and it is the very font Qt chose from the
// list in its original order: the same face and the same text widths at every size and weight.
TEST(WindowFont, NamesAnInstalledFamilyFirstAndResolvesAsTheListInItsOrderDid)
{
    const QStringList listed{QStringLiteral("Microsoft Sans Serif"),
                             QStringLiteral("Tahoma"),
                             QStringLiteral("Liberation Sans"),
                             QStringLiteral("Arial"),
                             QStringLiteral("Helvetica"),
                             QStringLiteral("DejaVu Sans")};
    const QStringList installed = QFontDatabase::families();
    const QStringList families = windowFont().families();
    ASSERT_FALSE(families.isEmpty());
    EXPECT_EQ(families.size(), listed.size());
    const bool anyInstalled = std::any_of(listed.begin(), listed.end(), [&](const QString& f) {
        return installed.contains(f, Qt::CaseInsensitive);
    });
    if (anyInstalled) {
        EXPECT_TRUE(installed.contains(families.front(), Qt::CaseInsensitive))
            << families.front().toStdString();
    }

    for (double points : {6.75, 7.0, 8.0, 8.25, 10.0}) {
        for (bool bold : {false, true}) {
            const QFont font = windowFont(points, bold);
            QFont inOrder = font;
            inOrder.setFamilies(listed);
            EXPECT_EQ(QFontInfo(font).family(), QFontInfo(inOrder).family()) << points << bold;
            EXPECT_EQ(QFontInfo(font).bold(), bold);
            EXPECT_EQ(
                QFontMetrics(font).horizontalAdvance(QStringLiteral("Concentrated Veldspar 1,234.5")),
                QFontMetrics(inOrder).horizontalAdvance(QStringLiteral("Concentrated Veldspar 1,234.5")))
                << points << bold;
        }
    }
}
