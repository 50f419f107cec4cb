// The program's drawn pictures: sizes, the icon's 16 colours, and the key
// colour of the button pictures turned transparent.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <functional>
#include <ostream>
#include <set>

#include "app/AppPictures.h"

using kalvio::AppPictures;

namespace {

struct ButtonPicture {
    const char *name;
    std::function<QImage()> drawn;
    std::function<QPixmap()> picture;
    QSize size;
    QRgb background;
};

const ButtonPicture buttonPictures[] = {
    {"printer", &AppPictures::printerImage, &AppPictures::printerPicture, QSize(30, 29), qRgb(255, 255, 0)},
    {"portrait", &AppPictures::portraitImage, &AppPictures::portraitPicture, QSize(31, 29), qRgb(0, 128, 0)},
};

void PrintTo(const ButtonPicture &picture, std::ostream *out)
{
    *out << picture.name;
}

class ButtonPictureTest : public ::testing::TestWithParam<ButtonPicture> {};

TEST_P(ButtonPictureTest, IsA24BitPictureOfItsSizeOnItsBackground)
{
    const ButtonPicture &p = GetParam();
    const QImage drawn = p.drawn();
    EXPECT_EQ(drawn.size(), p.size);
    EXPECT_EQ(drawn.depth(), 24);
    EXPECT_FALSE(drawn.hasAlphaChannel());
    EXPECT_EQ(drawn.pixel(0, drawn.height() - 1), p.background);
    EXPECT_EQ(p.picture().size(), p.size);
}

TEST_P(ButtonPictureTest, TheBottomLeftColourAndOnlyItIsTransparent)
{
    const ButtonPicture &p = GetParam();
    const QImage drawn = p.drawn();
    const QImage shown = p.picture().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), drawn.size());
    int transparent = 0;
    int opaque = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb source = drawn.pixel(x, y);
            const QRgb result = shown.pixel(x, y);
            if (source == p.background) {
                ++transparent;
                EXPECT_EQ(qAlpha(result), 0) << p.name << " at " << x << "," << y;
            } else {
                ++opaque;
                EXPECT_EQ(qAlpha(result), 255) << p.name << " at " << x << "," << y;
                EXPECT_EQ(result, source) << p.name << " at " << x << "," << y;
            }
        }
    }
    // A motif on a background, not a blank or a full square.
    EXPECT_GT(transparent, drawn.width() * drawn.height() / 5);
    EXPECT_GT(opaque, drawn.width() * drawn.height() / 3);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonPictureTest, ::testing::ValuesIn(buttonPictures),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(AppPicturesTest, IconIs32By32InTheSixteenVgaColours)
{
    const QImage icon = AppPictures::iconImage();
    ASSERT_EQ(icon.size(), QSize(32, 32));
    ASSERT_EQ(icon.format(), QImage::Format_Indexed8);
    const QList<QRgb> vga = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
                             0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};
    ASSERT_EQ(icon.colorCount(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(icon.color(i), 0xff000000u | vga[i]) << "palette entry " << i;
    std::set<QRgb> used;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            ASSERT_LT(icon.pixelIndex(x, y), 16);
            used.insert(icon.pixel(x, y));
        }
    }
    // Yellow ground in the corners, a brown (maroon) bob, a face and its features.
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(icon.pixel(corner), qRgb(255, 255, 0));
    EXPECT_TRUE(used.count(qRgb(128, 0, 0)));
    EXPECT_TRUE(used.count(qRgb(255, 255, 255)));
    EXPECT_TRUE(used.count(qRgb(0, 0, 0)));
}

TEST(AppPicturesTest, WindowIconAndIconPictureShowTheIcon)
{
    const QImage icon = AppPictures::iconImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = AppPictures::iconPicture32().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(picture, icon);
    const QIcon windowIcon = AppPictures::windowIcon();
    ASSERT_FALSE(windowIcon.isNull());
    EXPECT_TRUE(windowIcon.availableSizes().contains(QSize(32, 32)));
    EXPECT_EQ(windowIcon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_RGB32), icon);
}

TEST(AppPicturesTest, TransparencyKeyIsTakenFromTheBottomLeftPixelOfAnyPicture)
{
    QImage picture(3, 2, QImage::Format_RGB888);
    picture.fill(QColor(10, 20, 30));
    picture.setPixel(0, 1, qRgb(1, 2, 3));
    picture.setPixel(2, 0, qRgb(1, 2, 3));
    const QImage result = AppPictures::withBottomLeftTransparent(picture);
    EXPECT_EQ(qAlpha(result.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(result.pixel(2, 0)), 0);
    EXPECT_EQ(result.pixel(1, 1), qRgb(10, 20, 30));
    EXPECT_TRUE(AppPictures::withBottomLeftTransparent(QImage()).isNull());
}

} // namespace
