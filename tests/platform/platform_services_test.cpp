// Single instance and the colour key, on real lock files and real widgets.
#include "platform/make_window_layered.h"
#include "platform/play_sound.h"
#include "platform/single_instance.h"
#include "test_support.h"
#include "ui/skin_artwork.h"

#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

namespace brisquel {
namespace {

TEST(SingleInstanceTest, ASecondCopyFindsTheLockTakenUntilItIsReleased)
{
    test::TempDir dir;
    const QString lock = QString::fromStdString(dir / "brisquel.lock");
    SingleInstance first(lock);
    SingleInstance second(lock);
    ASSERT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    first.release();
    EXPECT_TRUE(second.acquire());
}

TEST(MakeWindowLayeredTest, LeavesOutExactlyTheKeyColour)
{
    QWidget window;
    window.setFixedSize(40, 30);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(QColor(254, 0, 255));
    QPainter(&picture).fillRect(QRect(10, 5, 4, 3), QColor(255, 0, 255));

    MakeWindowLayered(window, picture, qRgb(255, 0, 255));
    const QRegion shown = window.mask();
    EXPECT_FALSE(shown.contains(QPoint(10, 5)));
    EXPECT_FALSE(shown.contains(QPoint(13, 7)));
    EXPECT_TRUE(shown.contains(QPoint(14, 7)));
    EXPECT_TRUE(shown.contains(QPoint(0, 0)));
    EXPECT_TRUE(shown.contains(QPoint(39, 29)));
}

TEST(MakeWindowLayeredTest, TheSkinHidesNothingAtEitherDensity)
{
    for (const qreal ratio : {1.0, 2.0}) {
        const SkinArtwork art = drawSkinArtwork(ratio);
        QWidget window;
        window.setFixedSize(699, 454);
        MakeWindowLayered(window, art.skin.toImage(), qRgb(255, 0, 255));
        EXPECT_TRUE(window.mask().isEmpty()) << "ratio " << ratio;
    }
}

// Under CI there is no sound device: the reminder must fall back to the beep and return.
TEST(PlaySoundTest, ReturnsWithOrWithoutASoundDevice)
{
    playSoundToEnd(QString::fromStdString(test::binFolder() + "/sound.wav"));
    playSoundToEnd(QStringLiteral("/nonexistent/sound.wav"));
    SUCCEED();
}

} // namespace
} // namespace brisquel
