// The window at one screen density: every control keeps its 96-dpi pixel rectangle, every
// text its 96-dpi pixel size, so it still fits. A Qt program's density is fixed when it
// starts, so CMake runs these tests once per case of the table below, naming the case in
// BRISQUEL_DENSITY; main() sets Qt's variables for it before the application exists.
#include "main_window_fixture.h"

#include "settings/frm_options.h"
#include "ui/main_window_layout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <array>

namespace brisquel {
namespace {

using test::MainWindowFixture;

struct Density
{
    const char* name;
    const char* fontDpi;     // QT_FONT_DPI, with Qt's scaling off; null: scaling on
    const char* scaleFactor; // QT_SCALE_FACTOR; null: none
    double dpi;              // logical dots per inch the screen then reports
    double ratio;            // device pixels per logical pixel
};

constexpr std::array<Density, 4> Densities{{
    {"dpi96", "96", nullptr, 96, 1},
    {"dpi120", "120", nullptr, 120, 1},
    {"dpi144", "144", nullptr, 144, 1},
    {"scale2", nullptr, "2", 96, 2},
}};

const Density& density()
{
    const QByteArray name = qgetenv("BRISQUEL_DENSITY");
    for (const Density& d : Densities)
        if (name == d.name)
            return d;
    return Densities.front();
}

struct Rect
{
    const char* object;
    QRect rect;
};

// The text's height in logical pixels, which is its height on a 96-dpi screen.
double pixelSize(const QFont& font)
{
    return font.pointSizeF() * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 72.0;
}

class DensityTest : public testing::Test, public MainWindowFixture
{
protected:
    void SetUp() override
    {
        const Density& expected = density();
        const QScreen* screen = QGuiApplication::primaryScreen();
        ASSERT_EQ(screen->logicalDotsPerInchY(), expected.dpi) << "the density this run is for";
        ASSERT_EQ(screen->devicePixelRatio(), expected.ratio);
        k = 96.0 / expected.dpi;
    }

    template <typename T>
    static T* find(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void expectFits(const QWidget& control, const QString& text, int room)
    {
        EXPECT_LE(QFontMetrics(control.font()).horizontalAdvance(text), room)
            << control.objectName().toStdString() << ": " << text.toStdString();
        EXPECT_LE(QFontMetrics(control.font()).height(), control.height()) << control.objectName().toStdString();
    }

    double k = 1;
};

TEST_F(DensityTest, TheMainWindowKeepsItsPixelLayoutAndItsTextSizes)
{
    auto w = start();
    EXPECT_EQ(w->size(), layout::Client);
    const std::vector<Rect> rects{
        {"imgToolbar0", layout::Toolbar[0]}, {"imgToolbar6", layout::Toolbar[6]}, {"imgToolbar1", layout::Toolbar[1]},
        {"imgToolbar2", layout::Toolbar[2]}, {"imgToolbar3", layout::Toolbar[3]}, {"imgToolbar4", layout::Toolbar[4]},
        {"imgConvert", layout::Convert},     {"LV", layout::List},               {"picDrop", layout::List},
        {"picText", layout::EmptyHint},      {"picDrag", layout::DropZone},      {"txtSplit", layout::Split},
        {"cmbUnit", layout::Unit},           {"cmbOF", layout::Format},          {"cmbBR", layout::Bitrate},
        {"cmbR", layout::Rate},              {"cmbChannel", layout::Channel},    {"txtPath", layout::Path},
        {"cmdBrowse", layout::Browse},       {"lblPB", layout::Percentage}};
    for (const Rect& r : rects)
        EXPECT_EQ(find<QWidget>(*w, r.object)->geometry(), r.rect) << r.object;
    auto* web = find<QLabel>(*w, "lblWeb");
    EXPECT_EQ(web->geometry().topLeft(), layout::Web.topLeft());
    EXPECT_EQ(web->height(), layout::Web.height());
    expectFits(*web, web->text(), web->width());

    // 8.25 points are 11 pixels at 96 dpi; txtPath's font is scaled twice, so it is smaller
    // by the factor once more.
    for (const char* name : {"txtSplit", "cmbUnit", "cmbOF", "cmbBR", "cmbR", "cmbChannel", "cmdBrowse", "lblWeb", "LV"})
        EXPECT_NEAR(pixelSize(find<QWidget>(*w, name)->font()), 11, 0.01) << name;
    EXPECT_NEAR(pixelSize(find<QWidget>(*w, "txtPath")->font()), 11 * k, 0.01);
    EXPECT_NEAR(pixelSize(find<QWidget>(*w, "lblPB")->font()), 10, 0.01);
    EXPECT_NEAR(pixelSize(find<QWidget>(*w, "lblText")->font()), 12, 0.01);

    for (const char* name : {"cmbUnit", "cmbOF", "cmbBR", "cmbR", "cmbChannel"}) {
        auto* list = find<QComboBox>(*w, name);
        for (int i = 0; i < list->count(); ++i)
            expectFits(*list, list->itemText(i), list->width() - 24); // the arrow's room
    }
    auto* browse = find<QPushButton>(*w, "cmdBrowse");
    expectFits(*browse, browse->text(), browse->width());
    expectFits(*find<QWidget>(*w, "txtSplit"), "30", layout::Split.width());
    auto* percentage = find<QLabel>(*w, "lblPB");
    expectFits(*percentage, "Preparing Files...", percentage->width());
    auto* hint = find<QLabel>(*w, "lblText");
    for (const char* caption : {"Drag & Drop Files Here", "Searching Files..."})
        expectFits(*hint, caption, hint->width());
}

TEST_F(DensityTest, TheMainWindowStaysReachableOnAScreenSmallerThanItself)
{
    auto w = start();
    const QRect available = w->screen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    EXPECT_GE(frame.left(), available.left());
    EXPECT_GE(frame.top(), available.top());
    if (frame.width() > available.width())
        EXPECT_EQ(frame.left(), available.left()) << "a window wider than the screen starts at its edge";
    else
        EXPECT_LE(frame.right(), available.right());
}

TEST_F(DensityTest, TheOptionsDialogKeepsItsPixelLayoutAndItsTextSizes)
{
    frmOptions dialog(desktop, settings);
    dialog.load();
    EXPECT_EQ(dialog.size(), QSize(224, 244));
    const std::vector<Rect> rects{{"cmbSR", {32, 36, 163, 20}},      {"Command1", {32, 198, 71, 27}},
                                  {"Command2", {122, 198, 73, 27}},  {"chkCopy", {26, 76, 176, 46}},
                                  {"cmbAtOnce", {32, 164, 163, 20}}, {"txtFromH", {354, 81, 19, 18}}};
    for (const Rect& r : rects)
        EXPECT_EQ(find<QWidget>(dialog, r.object)->geometry(), r.rect) << r.object;
    auto* caption = find<QLabel>(dialog, "Label1");
    EXPECT_EQ(caption->geometry().topLeft(), QPoint(32, 14));
    // A font wider than Tahoma may widen the label, never more than its text needs.
    EXPECT_LE(caption->width(), std::max(94, QFontMetrics(caption->font()).horizontalAdvance(caption->text()) + 4));
    expectFits(*caption, caption->text(), caption->width());
    for (const char* name : {"cmbSR", "Command1", "Command2", "Label1", "chkCopy", "Label11", "cmbAtOnce"})
        EXPECT_NEAR(pixelSize(find<QWidget>(dialog, name)->font()), 11, 0.01) << name;
    for (const char* name : {"Command1", "Command2"}) {
        auto* button = find<QPushButton>(dialog, name);
        expectFits(*button, button->text(), button->width());
    }
}

} // namespace
} // namespace brisquel

int main(int argc, char** argv)
{
    const brisquel::Density& density = brisquel::density();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (density.fontDpi) {
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qputenv("QT_FONT_DPI", density.fontDpi);
    }
    if (density.scaleFactor)
        qputenv("QT_SCALE_FACTOR", density.scaleFactor);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
