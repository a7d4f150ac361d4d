#include "ui/skin_artwork.h"

#include "ui/main_window_layout.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace brisquel {
namespace {

// A flat light theme: one accent, slate greys for text and lines.
const QColor Page(0xEE, 0xF2, 0xF6);
const QColor Card(0xFF, 0xFF, 0xFF);
const QColor Line(0xD3, 0xDB, 0xE5);
const QColor HeaderFill(0xF6, 0xF8, 0xFB);
const QColor Ink(0x1E, 0x29, 0x3B);
const QColor SoftInk(0x5B, 0x6B, 0x80);
const QColor Accent(0x25, 0x63, 0xEB);
const QColor AccentHot(0x3B, 0x7B, 0xF5);
const QColor AccentDeep(0x1D, 0x4E, 0xD8);
const QColor HotTile(0xE7, 0xEF, 0xFE);
const QColor HotTileLine(0xC3, 0xD5, 0xFB);
const QColor Folder(0xF2, 0xB1, 0x33);
const QColor Danger(0xE1, 0x4B, 0x4B);
const QColor DangerHot(0xEE, 0x5F, 0x5F);
const QColor DangerDeep(0xB9, 0x33, 0x33);
const QColor Positive(0x1F, 0xA9, 0x6B);
const QColor Gear(0x5B, 0x6B, 0x80);
const QColor HelpBlue(0x0E, 0x9B, 0xD8);

constexpr int ToolbarHeight = 68;
// A disabled button keeps its shape but fades towards the card, as the desktop greys out.
constexpr qreal DisabledOpacity = 0.35;

QFont skinFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QPixmap canvas(QSize size, qreal ratio)
{
    QPixmap pixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void begin(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath plusBadge(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

void drawBadge(QPainter& p, QPointF centre, const QColor& fill, bool plus)
{
    p.setPen(QPen(Card, 2));
    p.setBrush(fill);
    p.drawPath(plusBadge(centre, 6.5));
    p.setPen(QPen(Card, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(centre.x() - 3, centre.y()), QPointF(centre.x() + 3, centre.y()));
    if (plus)
        p.drawLine(QPointF(centre.x(), centre.y() - 3), QPointF(centre.x(), centre.y() + 3));
}

// Each icon fills a 28 x 28 box at `o`.
void iconAdd(QPainter& p, QPointF o)
{
    QPainterPath sheet;
    sheet.moveTo(o + QPointF(5, 2));
    sheet.lineTo(o + QPointF(16, 2));
    sheet.lineTo(o + QPointF(22, 8));
    sheet.lineTo(o + QPointF(22, 25));
    sheet.quadTo(o + QPointF(22, 26), o + QPointF(21, 26));
    sheet.lineTo(o + QPointF(5, 26));
    sheet.quadTo(o + QPointF(4, 26), o + QPointF(4, 25));
    sheet.lineTo(o + QPointF(4, 3));
    sheet.quadTo(o + QPointF(4, 2), o + QPointF(5, 2));
    p.setPen(QPen(Accent, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xEA, 0xF1, 0xFE));
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({o + QPointF(16, 2), o + QPointF(16, 8), o + QPointF(22, 8)}));
    // A note on the sheet: this is where the music goes in.
    p.setBrush(Accent);
    p.setPen(QPen(Accent, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(o + QPointF(14, 11), o + QPointF(14, 19));
    p.drawLine(o + QPointF(14, 11), o + QPointF(17.5, 12.5));
    p.setPen(Qt::NoPen);
    p.drawEllipse(o + QPointF(11.8, 19.2), 2.6, 2.0);
    drawBadge(p, o + QPointF(22, 22), Positive, true);
}

void iconAddFolder(QPainter& p, QPointF o)
{
    QPainterPath back;
    back.addRoundedRect(QRectF(o + QPointF(2, 5), QSizeF(24, 19)), 2.5, 2.5);
    QPainterPath tab;
    tab.addRoundedRect(QRectF(o + QPointF(2, 3), QSizeF(10, 5)), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Folder.darker(112));
    p.drawPath(back.united(tab));
    QPainterPath front;
    front.addRoundedRect(QRectF(o + QPointF(2, 9), QSizeF(24, 16)), 2.5, 2.5);
    p.setBrush(Folder);
    p.drawPath(front);
    drawBadge(p, o + QPointF(22, 22), Positive, true);
}

void iconRemove(QPainter& p, QPointF o)
{
    p.setPen(QPen(Danger, 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFD, 0xEC, 0xEC));
    QPainterPath bin;
    bin.moveTo(o + QPointF(7, 8));
    bin.lineTo(o + QPointF(21, 8));
    bin.lineTo(o + QPointF(19.6, 24.5));
    bin.quadTo(o + QPointF(19.4, 26), o + QPointF(18, 26));
    bin.lineTo(o + QPointF(10, 26));
    bin.quadTo(o + QPointF(8.6, 26), o + QPointF(8.4, 24.5));
    bin.closeSubpath();
    p.drawPath(bin);
    p.drawLine(o + QPointF(4.5, 7.5), o + QPointF(23.5, 7.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({o + QPointF(11, 7.5), o + QPointF(11.5, 4), o + QPointF(16.5, 4), o + QPointF(17, 7.5)}));
    p.drawLine(o + QPointF(12, 12), o + QPointF(12.4, 22));
    p.drawLine(o + QPointF(16, 12), o + QPointF(15.6, 22));
}

void iconSetting(QPainter& p, QPointF o)
{
    const QPointF c = o + QPointF(14, 14);
    QPainterPath gear;
    constexpr int Teeth = 8;
    for (int i = 0; i < Teeth; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-2.6, -12.5, 5.2, 7), 1.2, 1.2);
        QTransform turn;
        turn.translate(c.x(), c.y());
        turn.rotate(360.0 / Teeth * i);
        gear = gear.united(turn.map(tooth));
    }
    QPainterPath ring;
    ring.addEllipse(c, 8.8, 8.8);
    gear = gear.united(ring);
    QPainterPath hole;
    hole.addEllipse(c, 3.6, 3.6);
    p.setPen(Qt::NoPen);
    p.setBrush(Gear);
    p.drawPath(gear.subtracted(hole));
}

void iconHelp(QPainter& p, QPointF o)
{
    const QPointF c = o + QPointF(14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(HelpBlue);
    p.drawEllipse(c, 12, 12);
    p.setPen(QPen(Card, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath mark;
    mark.moveTo(c + QPointF(-4, -3.5));
    mark.cubicTo(c + QPointF(-4, -9), c + QPointF(4.5, -9), c + QPointF(4.2, -3.6));
    mark.cubicTo(c + QPointF(4, -0.5), c + QPointF(0, 0), c + QPointF(0, 3));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.setBrush(Card);
    p.drawEllipse(c + QPointF(0, 7.2), 1.7, 1.7);
}

void iconExit(QPainter& p, QPointF o)
{
    const QPointF c = o + QPointF(14, 15);
    p.setPen(QPen(Danger, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(c.x() - 10, c.y() - 10, 20, 20);
    p.drawArc(circle, 120 * 16, 300 * 16);
    p.drawLine(c + QPointF(0, -13), c + QPointF(0, -2));
}

struct ToolbarButton
{
    int index;
    const char* caption;
    void (*icon)(QPainter&, QPointF);
};

const std::array<ToolbarButton, 6> Buttons{{
    {0, QT_TRANSLATE_NOOP("Skin", "Add"), iconAdd},
    {6, QT_TRANSLATE_NOOP("Skin", "Add Folder"), iconAddFolder},
    {1, QT_TRANSLATE_NOOP("Skin", "Remove"), iconRemove},
    {2, QT_TRANSLATE_NOOP("Skin", "Setting"), iconSetting},
    {3, QT_TRANSLATE_NOOP("Skin", "Help"), iconHelp},
    {4, QT_TRANSLATE_NOOP("Skin", "Exit"), iconExit},
}};

// One toolbar button inside `area`: a tile when hot, the icon, the caption below it.
void paintToolbarButton(QPainter& p, const QRectF& area, const ToolbarButton& button, bool hot)
{
    if (hot) {
        p.setPen(QPen(HotTileLine, 1));
        p.setBrush(HotTile);
        p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
    }
    const QPointF iconAt(area.center().x() - 14, area.top() + 6);
    button.icon(p, iconAt);
    p.setFont(skinFont(11, hot ? QFont::DemiBold : QFont::Normal));
    p.setPen(hot ? AccentDeep : Ink);
    const QRectF captionBox(area.left() - 6, area.top() + 37, area.width() + 12, 16);
    p.drawText(captionBox, Qt::AlignHCenter | Qt::AlignVCenter, QCoreApplication::translate("Skin", button.caption));
}

} // namespace

void paintLogoMark(QPainter& p, const QRectF& box)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawRoundedRect(box, box.width() * 0.24, box.width() * 0.24);
    // Five bars of a waveform, cut by a gap: a sound, split.
    const std::array<qreal, 5> heights{0.30, 0.62, 0.46, 0.72, 0.36};
    const qreal barWidth = box.width() * 0.09;
    const qreal step = box.width() * 0.155;
    const qreal x0 = box.center().x() - step * 2 - barWidth / 2;
    p.setBrush(Card);
    for (int i = 0; i < 5; ++i) {
        const qreal h = box.height() * heights[i];
        p.drawRoundedRect(QRectF(x0 + step * i, box.center().y() - h / 2, barWidth, h), barWidth / 2, barWidth / 2);
    }
    p.setBrush(Accent);
    p.drawRect(QRectF(box.left(), box.center().y() - box.height() * 0.035, box.width(), box.height() * 0.07));
}

namespace {

void paintLogo(QPainter& p)
{
    const QRectF mark(500, 13, 40, 40);
    paintLogoMark(p, mark);
    p.setPen(Ink);
    p.setFont(skinFont(24, QFont::Bold));
    p.drawText(QRectF(550, 9, 150, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brisquel"));
    p.setPen(SoftInk);
    p.setFont(skinFont(10));
    p.drawText(QRectF(551, 37, 150, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Skin", "Audio Converter & Splitter"));
}

void caption(QPainter& p, const QRectF& box, const QString& text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setPen(SoftInk);
    p.setFont(skinFont(11, QFont::DemiBold));
    p.drawText(box, align, text);
}

void sectionTitle(QPainter& p, const QRectF& box, const QString& text)
{
    p.setPen(Ink);
    p.setFont(skinFont(13, QFont::Bold));
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void paintList(QPainter& p)
{
    const QRect list = layout::List;
    const QRectF frame(layout::ListFrame);
    p.setPen(QPen(Line, 1));
    p.setBrush(Card);
    p.drawRoundedRect(frame.adjusted(-0.5, -0.5, 0.5, 0.5), layout::ListFrameRadius, layout::ListFrameRadius);
    // The header band, rounded at the top only.
    QPainterPath header;
    header.addRoundedRect(QRectF(list.left(), list.top() - 23, list.width(), 23), 5, 5);
    QPainterPath square;
    square.addRect(QRectF(list.left(), list.top() - 12, list.width(), 12));
    p.setPen(Qt::NoPen);
    p.setBrush(HeaderFill);
    p.drawPath(header.united(square));
    p.setPen(QPen(Line, 1));
    p.drawLine(QPointF(list.left(), list.top() - 0.5), QPointF(list.right() + 1, list.top() - 0.5));
    const qreal divider = list.left() + layout::FileNameColumnWidth + 0.5;
    p.drawLine(QPointF(divider, list.top() - 18), QPointF(divider, list.top() - 5));
    p.setPen(SoftInk);
    p.setFont(skinFont(11, QFont::DemiBold));
    p.drawText(QRectF(list.left() + 10, list.top() - 23, 200, 23), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Skin", "File Name"));
    p.drawText(QRectF(divider + 9, list.top() - 23, 80, 23), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("Skin", "Format"));
}

void paintSettingsCard(QPainter& p)
{
    const QRectF card(474.5, 97.5, 219, 228);
    p.setPen(QPen(Line, 1));
    p.setBrush(Card);
    p.drawRoundedRect(card, 6, 6);
    caption(p, QRectF(482, layout::Split.top(), 70, layout::Split.height()),
            QCoreApplication::translate("Skin", "Split Every"));
    caption(p, QRectF(482, layout::Format.top() - 20, 200, 18), QCoreApplication::translate("Skin", "Output Format:"));
    caption(p, QRectF(482, layout::Bitrate.top() - 20, 110, 18),
            QCoreApplication::translate("Skin", "Bitrate (Kbps):"));
    caption(p, QRectF(layout::Rate.left(), layout::Bitrate.top() - 20, 90, 18),
            QCoreApplication::translate("Skin", "Rate (Hz):"));
    caption(p, QRectF(482, layout::Channel.top() - 20, 200, 18), QCoreApplication::translate("Skin", "Audio Channel:"));
    caption(p, QRectF(482, layout::Path.top() - 21, 200, 18), QCoreApplication::translate("Skin", "Output Folder:"));
}

void paintProgress(QPainter& p)
{
    const QRect bar = layout::Bar;
    caption(p, QRectF(14, bar.top() - 3, 92, bar.height() + 6), QCoreApplication::translate("Skin", "Progress (%):"));
    p.setPen(QPen(Line, 1));
    p.setBrush(QColor(0xE4, 0xE9, 0xF0));
    p.drawRoundedRect(QRectF(bar.left() - 1.5, bar.top() - 1.5, bar.width() + 3, bar.height() + 3), 3, 3);
}

// The start button inside `area`; brighter and lifted when hot.
void paintConvertButton(QPainter& p, const QRectF& area, bool hot)
{
    const QRectF face = area.adjusted(1, 1, -1, -3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1D, 0x4E, 0xD8, hot ? 90 : 60));
    p.drawRoundedRect(face.translated(0, hot ? 2.5 : 1.5), 12, 12);
    p.setBrush(hot ? AccentHot : Accent);
    p.drawRoundedRect(face, 12, 12);
    const QPointF c(face.left() + 33, face.center().y());
    p.setBrush(Card);
    p.drawEllipse(c, 18, 18);
    p.setBrush(hot ? AccentHot : Accent);
    QPolygonF play({c + QPointF(-5, -8.5), c + QPointF(9, 0), c + QPointF(-5, 8.5)});
    QPainterPath triangle;
    triangle.addPolygon(play);
    triangle.closeSubpath();
    p.setPen(QPen(hot ? AccentHot : Accent, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(triangle);
    p.setPen(Card);
    p.setFont(skinFont(16, QFont::Bold));
    p.drawText(QRectF(c.x() + 26, face.top(), face.right() - c.x() - 26, face.height() - 14),
               Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("Skin", "START NOW!"));
    p.setFont(skinFont(10));
    p.setPen(QColor(0xDC, 0xE8, 0xFF));
    p.drawText(QRectF(c.x() + 27, face.center().y() + 4, face.right() - c.x() - 27, 18),
               Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("Skin", "Convert and split"));
}

// The same button while a batch runs: red, with a stop square.
void paintStopButton(QPainter& p, const QRectF& area, bool hot)
{
    const QRectF face = area.adjusted(1, 1, -1, -3);
    const QColor fill = hot ? DangerHot : Danger;
    p.setPen(Qt::NoPen);
    QColor shadow = DangerDeep;
    shadow.setAlpha(hot ? 90 : 60);
    p.setBrush(shadow);
    p.drawRoundedRect(face.translated(0, hot ? 2.5 : 1.5), 12, 12);
    p.setBrush(fill);
    p.drawRoundedRect(face, 12, 12);
    const QPointF c(face.left() + 33, face.center().y());
    p.setBrush(Card);
    p.drawEllipse(c, 18, 18);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(c.x() - 7, c.y() - 7, 14, 14), 2.5, 2.5);
    p.setPen(Card);
    p.setFont(skinFont(16, QFont::Bold));
    p.drawText(QRectF(c.x() + 26, face.top(), face.right() - c.x() - 26, face.height() - 14),
               Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("Skin", "STOP"));
    p.setFont(skinFont(10));
    p.setPen(QColor(0xFD, 0xE2, 0xE2));
    p.drawText(QRectF(c.x() + 27, face.center().y() + 4, face.right() - c.x() - 27, 18),
               Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("Skin", "Stop the conversion"));
}

QRectF convertArea()
{
    return QRectF(layout::Convert.topLeft(), layout::ConvertHighlight);
}

QPixmap drawSkin(qreal ratio)
{
    QPixmap skin = canvas(layout::Skin, ratio);
    skin.fill(Page);
    QPainter p(&skin);
    begin(p);
    p.fillRect(QRectF(0, 0, layout::Skin.width(), ToolbarHeight), Card);
    p.fillRect(QRectF(0, ToolbarHeight, layout::Skin.width(), 1), Line);
    for (const ToolbarButton& button : Buttons)
        paintToolbarButton(p, layout::Toolbar[button.index], button, false);
    p.fillRect(QRectF(450, 14, 1, 40), Line);
    paintLogo(p);
    sectionTitle(p, QRectF(15, 74, 200, 20), QCoreApplication::translate("Skin", "File List"));
    sectionTitle(p, QRectF(476, 74, 200, 20), QCoreApplication::translate("Skin", "Output Settings"));
    paintList(p);
    paintSettingsCard(p);
    paintProgress(p);
    paintConvertButton(p, convertArea(), false);
    p.fillRect(QRectF(14, 429, 456, 1), Line);
    return skin;
}

// A picture for a hot image: the skin under it, with another rendering of its button over it.
template <typename Paint>
QPixmap drawOverSkin(const QPixmap& skin, QRectF area, qreal ratio, Paint paint)
{
    const QRect source((area.topLeft() * ratio).toPoint(), (area.size() * ratio).toSize());
    QPixmap picture = skin.copy(source);
    picture.setDevicePixelRatio(ratio);
    QPainter p(&picture);
    begin(p);
    p.translate(-area.topLeft());
    paint(p);
    return picture;
}

QPixmap drawBarFill(qreal ratio)
{
    QPixmap fill = canvas(QSize(1, 15), ratio);
    fill.fill(QColor(0x5B, 0x9B, 0xF8));
    QPainter p(&fill);
    p.fillRect(QRectF(0, 0, 1, 2), QColor(0x84, 0xB5, 0xFA));
    p.fillRect(QRectF(0, 13, 1, 2), QColor(0x4A, 0x8A, 0xEE));
    return fill;
}

QPixmap drawLogo(qreal ratio)
{
    QPixmap logo = canvas(QSize(64, 64), ratio);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    begin(p);
    paintLogoMark(p, QRectF(2, 2, 60, 60));
    return logo;
}

// A pointing hand in black and white, its index fingertip at (6, 0).
QCursor drawHand(qreal ratio)
{
    const qreal scale = ratio >= 1.5 ? 2 : 1;
    QPixmap pixmap(QSize(32, 32) * scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.scale(scale, scale);
    QPainterPath hand;
    hand.moveTo(4.5, 15.5);
    hand.lineTo(4.5, 2);
    hand.arcTo(QRectF(4.5, 0, 4, 4), 180, -180);
    hand.lineTo(8.5, 10);
    hand.arcTo(QRectF(8.5, 8, 4, 4), 180, -180);
    hand.lineTo(12.5, 11);
    hand.arcTo(QRectF(12.5, 9, 4, 4), 180, -180);
    hand.lineTo(16.5, 12);
    hand.arcTo(QRectF(16.5, 10, 4, 4), 180, -180);
    hand.lineTo(20.5, 20);
    hand.lineTo(18.5, 25.5);
    hand.lineTo(7.5, 25.5);
    hand.lineTo(1.5, 18.5);
    hand.arcTo(QRectF(0.5, 14.5, 4, 4), 225, -135);
    hand.closeSubpath();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.drawLine(QPointF(8.5, 10), QPointF(8.5, 15));
    p.drawLine(QPointF(12.5, 11), QPointF(12.5, 15));
    p.drawLine(QPointF(16.5, 12), QPointF(16.5, 15));
    p.end();
    pixmap.setDevicePixelRatio(scale);
    return QCursor(pixmap, 6, 0);
}

} // namespace

SkinArtwork drawSkinArtwork(qreal ratio)
{
    ratio = std::max<qreal>(1, ratio);
    SkinArtwork art;
    art.skin = drawSkin(ratio);
    for (const ToolbarButton& button : Buttons) {
        const QRectF area(layout::Toolbar[button.index].topLeft(), layout::ToolbarHighlight[button.index]);
        art.buttonData[button.index] = drawOverSkin(art.skin, area, ratio, [&](QPainter& p) {
            p.fillRect(area, Card);
            paintToolbarButton(p, area, button, true);
        });
        art.buttonDisabled[button.index] = drawOverSkin(art.skin, area, ratio, [&](QPainter& p) {
            p.fillRect(area, Card);
            p.setOpacity(DisabledOpacity);
            paintToolbarButton(p, area, button, false);
        });
    }
    art.convertData = drawOverSkin(art.skin, convertArea(), ratio, [](QPainter& p) {
        p.fillRect(convertArea(), Page);
        paintConvertButton(p, convertArea(), true);
    });
    for (const bool hot : {false, true}) {
        (hot ? art.stopHotData : art.stopData) = drawOverSkin(art.skin, convertArea(), ratio, [hot](QPainter& p) {
            p.fillRect(convertArea(), Page);
            paintStopButton(p, convertArea(), hot);
        });
    }
    art.barFill = drawBarFill(ratio);
    art.logo = drawLogo(ratio);
    art.hand = drawHand(ratio);
    return art;
}

} // namespace brisquel
