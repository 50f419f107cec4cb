// The compact style's group box frame: drawn pixel for pixel as the platform
// style draws it, for titled, untitled and checkable boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QObject>
#include <QStyle>

#include <ostream>

#include "app/CompactStyle.h"
#include "app/GothicFont.h"

namespace {

struct BoxCase {
    const char *title;
    QSize size;
    bool checkable;
};

void PrintTo(const BoxCase &box, std::ostream *out)
{
    *out << '"' << box.title << "\" " << box.size.width() << 'x' << box.size.height()
         << (box.checkable ? " checkable" : "");
}

QImage shot(const BoxCase &c, QStyle *style)
{
    QGroupBox box(QString::fromUtf8(c.title));
    box.setFont(kalvio::GothicFont::ofPixelSize(kalvio::GothicFont::WindowPixels));
    if (style)
        box.setStyle(style);
    box.setCheckable(c.checkable);
    box.resize(c.size);
    return box.grab().toImage();
}

class CompactGroupBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(CompactGroupBoxTest, LooksExactlyAsThePlatformStyleDrawsIt)
{
    QObject owner;
    auto *compact = new kalvio::CompactStyle(&owner);
    const QImage platform = shot(GetParam(), nullptr);
    const QImage drawn = shot(GetParam(), compact);
    ASSERT_EQ(drawn.size(), platform.size());
    EXPECT_TRUE(drawn == platform) << "style " << QApplication::style()->name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    WindowBoxes, CompactGroupBoxTest,
    ::testing::Values(BoxCase{"期間", QSize(89, 65), false}, BoxCase{"計算", QSize(193, 105), false},
                      BoxCase{"合　計", QSize(625, 57), false}, BoxCase{"日数計算", QSize(129, 65), false},
                      BoxCase{"", QSize(60, 40), false}, BoxCase{"", QSize(60, 40), true},
                      BoxCase{"期間", QSize(89, 65), true}));

} // namespace
