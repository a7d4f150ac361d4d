#include "settings/frm_options.h"

#include "platform/desktop.h"
#include "platform/make_window_layered.h"
#include "settings/option_values.h"
#include "settings/options_file.h"
#include "settings/whole_number.h"
#include "ui/background_drag.h"
#include "ui/centre_on_screen.h"
#include "ui/hot_image.h"
#include "ui/scale_form_to_screen.h"
#include "ui/tahoma.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace brisquel {
namespace {

constexpr QSize Client{224, 244};
constexpr QRgb KeyColour = 0xFF00FF;

// The main window's skin colours, so the dialog reads as part of it.
const QColor Page(0xEE, 0xF2, 0xF6);
const QColor Card(0xFF, 0xFF, 0xFF);
const QColor Line(0xD3, 0xDB, 0xE5);
const QColor Accent(0x25, 0x63, 0xEB);
const QColor HotTile(0xE7, 0xEF, 0xFE);

struct LabelDef
{
    const char* name;
    const char* text;
    QRect rect;
};

// Label1 and Label11 caption cards of the client area; the others caption the cutter boxes,
// which lie beyond its right edge.
constexpr std::array<LabelDef, 11> Labels{{
    {"Label1", QT_TRANSLATE_NOOP("Options", "Sound Reminder:"), {32, 14, 94, 14}},
    {"Label2", QT_TRANSLATE_NOOP("Options", "Cutter Setting:"), {305, 54, 83, 14}},
    {"Label3", QT_TRANSLATE_NOOP("Options", "From:"), {314, 84, 31, 14}},
    {"Label4", QT_TRANSLATE_NOOP("Options", "Hour"), {380, 82, 26, 14}},
    {"Label5", QT_TRANSLATE_NOOP("Options", "Min"), {456, 82, 18, 14}},
    {"Label6", QT_TRANSLATE_NOOP("Options", "Sec"), {538, 82, 20, 14}},
    {"Label7", QT_TRANSLATE_NOOP("Options", "Duration:"), {298, 108, 50, 14}},
    {"Label8", QT_TRANSLATE_NOOP("Options", "Hour"), {380, 108, 26, 14}},
    {"Label9", QT_TRANSLATE_NOOP("Options", "Min"), {456, 108, 18, 14}},
    {"Label10", QT_TRANSLATE_NOOP("Options", "Sec"), {538, 108, 20, 14}},
    {"Label11", QT_TRANSLATE_NOOP("Options", "Conversions at once:"), {32, 142, 120, 14}},
}};

struct BoxDef
{
    const char* name;
    QRect rect;
};

constexpr std::array<BoxDef, 6> Boxes{{
    {"txtFromH", {354, 81, 19, 18}},
    {"txtFromM", {420, 81, 31, 18}},
    {"txtFromS", {490, 81, 43, 18}},
    {"txtToH", {354, 105, 19, 18}},
    {"txtToM", {420, 105, 31, 18}},
    {"txtToS", {490, 105, 43, 18}},
}};
enum BoxIndex { FromH, FromM, FromS, ToH, ToM, ToS };

struct MinuteOrSecondCheck
{
    BoxIndex box;
    const char* message;
};

constexpr std::array<MinuteOrSecondCheck, 4> Checks{{
    {FromM, QT_TRANSLATE_NOOP("Options", "Minutes must less than 60")},
    {ToM, QT_TRANSLATE_NOOP("Options", "Minutes must less than 60")},
    {FromS, QT_TRANSLATE_NOOP("Options", "Seconds must less than 60")},
    {ToS, QT_TRANSLATE_NOOP("Options", "Seconds must less than 60")},
}};

constexpr QRect CommandOK{32, 198, 71, 27};
constexpr QRect CommandBack{122, 198, 73, 27};
constexpr QRect ReminderCard{16, 6, 192, 58};
constexpr QRect SplittingCard{16, 70, 192, 58};
// Laid out as the reminder card: its caption, the list below.
constexpr QRect AtOnceCard{16, 134, 192, 58};
constexpr QRect AtOnceList{32, 164, 163, 20};
constexpr QRect CopyBox{26, 76, 176, 46};
constexpr char CopyText[]
    = QT_TRANSLATE_NOOP("Options", "Split without re-encoding when the file already has the output format");

// A check box does not wrap its text: break it between words to the box's width.
QString wrapped(const QString& text, const QFontMetrics& metrics, int width)
{
    QString result;
    QString line;
    for (const QString& word : text.split(u' ')) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            result += line + u'\n';
            line = word;
        } else {
            line = longer;
        }
    }
    return result + line;
}

const QString PrimaryButton = QStringLiteral(
    "QPushButton { color: white; background: #2563EB; border: 1px solid #1D4ED8; border-radius: 4px;"
    " font-weight: bold; }"
    "QPushButton:hover { background: #3B7BF5; }"
    "QPushButton:pressed { background: #1D4ED8; }"
    "QPushButton:focus { border: 2px solid #1E3A8A; }");
const QString PlainButton = QStringLiteral(
    "QPushButton { color: #1E293B; background: white; border: 1px solid #C5CFDB; border-radius: 4px; }"
    "QPushButton:hover { background: #E7EFFE; border-color: #C3D5FB; }"
    "QPushButton:pressed { background: #D6E3FD; }"
    "QPushButton:focus { border: 2px solid #2563EB; }");

QPixmap canvas(QSize size, qreal ratio)
{
    QPixmap pixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// A bell: the reminder that the card is about.
void paintBell(QPainter& p, QPointF o)
{
    QPainterPath bell;
    bell.moveTo(o + QPointF(1, 11));
    bell.quadTo(o + QPointF(3, 9.5), o + QPointF(3, 6));
    bell.cubicTo(o + QPointF(3, 1.5), o + QPointF(11, 1.5), o + QPointF(11, 6));
    bell.quadTo(o + QPointF(11, 9.5), o + QPointF(13, 11));
    bell.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPath(bell);
    p.drawEllipse(o + QPointF(7, 12.4), 1.8, 1.8);
}

QPixmap drawBackground(qreal ratio)
{
    QPixmap picture = canvas(Client, ratio);
    picture.fill(Page);
    QPainter p(&picture);
    // An edge of its own, so the dialog stands apart from the main window where the desktop
    // draws no frame.
    p.setPen(QPen(Line.darker(108), 1));
    p.drawRect(QRectF(0.5, 0.5, Client.width() - 1, Client.height() - 1));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Line, 1));
    p.setBrush(Card);
    for (const QRect& card : {ReminderCard, SplittingCard, AtOnceCard})
        p.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    paintBell(p, QPointF(ReminderCard.right() - 24, 13));
    return picture;
}

// The light of imgOK and imgBack: their caption on a tile, as the toolbar lights up.
QPixmap drawLight(const QString& caption, qreal ratio)
{
    QPixmap picture = canvas(QSize(58, 18), ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Accent, 1));
    p.setBrush(HotTile);
    p.drawRoundedRect(QRectF(0.5, 0.5, 57, 17), 4, 4);
    p.setPen(Accent);
    p.setFont(tahoma(8.25, QFont::Bold));
    p.drawText(QRectF(0, 0, 58, 18), Qt::AlignCenter, caption);
    return picture;
}

// The stored cutter by its value: 0 unticked, 1 ticked, 2 greyed. Qt numbers the last two
// the other way round.
constexpr std::array<Qt::CheckState, 3> CutterStates{Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};

std::int16_t cutterValue(Qt::CheckState state)
{
    const auto found = std::find(CutterStates.begin(), CutterStates.end(), state);
    return static_cast<std::int16_t>(found - CutterStates.begin());
}

// The value of a cutter box: the number its text starts with, fraction kept.
std::optional<double> valueOf(const QLineEdit& box)
{
    return leadingNumber(box.text().toStdString());
}

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

// Hours and minutes round down, so a negative time shows as negative hours and the
// minutes and seconds that lead back up to it: -300 s is -1 h 55 min 0 s.
void showSeconds(std::int32_t seconds, QLineEdit& hours, QLineEdit& minutes, QLineEdit& rest)
{
    const std::int64_t h = floorDivide(seconds, 3600);
    const std::int64_t m = floorDivide(seconds - h * 3600, 60);
    hours.setText(QString::number(h));
    minutes.setText(QString::number(m));
    rest.setText(QString::number(seconds - h * 3600 - m * 60));
}

// A time that does not fit the value (or a box whose number is beyond any range) leaves
// the value as it was, as reading options.ini does.
void storeSeconds(std::int32_t& target, const QLineEdit& hours, const QLineEdit& minutes, const QLineEdit& rest)
{
    const auto h = valueOf(hours);
    const auto m = valueOf(minutes);
    const auto s = valueOf(rest);
    if (!h || !m || !s)
        return;
    if (const auto total = fittingWholeNumber<std::int32_t>(roundHalfEven(*h * 3600 + *m * 60 + *s)))
        target = *total;
}

} // namespace

frmOptions::frmOptions(Desktop& desktop, std::string settingsFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
    , m_desktop(desktop)
    , m_settingsFolder(std::move(settingsFolder))
    , m_background(drawBackground(devicePixelRatio()))
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QCoreApplication::translate("Options", "Options"));
    setFixedSize(Client);
    setFont(tahoma(8.25));
    setAttribute(Qt::WA_OpaquePaintEvent);
    createControls();
    new BackgroundDrag(*this, [this] { clearHotImages(); });
}

frmOptions::~frmOptions() = default;

void frmOptions::createControls()
{
    QFont caption = font();
    caption.setWeight(QFont::DemiBold);
    for (const LabelDef& def : Labels) {
        auto* label = new QLabel(QCoreApplication::translate("Options", def.text), this);
        label->setObjectName(QString::fromLatin1(def.name));
        label->setStyleSheet(QStringLiteral("color: #5B6B80; background: transparent;"));
        if (&def == &Labels.front() || &def == &Labels.back())
            label->setFont(caption);
        label->setGeometry(def.rect);
    }

    m_cmbSR = new QComboBox(this);
    m_cmbSR->setObjectName(QStringLiteral("cmbSR"));
    m_cmbSR->setGeometry(32, 36, 163, 20);
    m_cmbSR->addItems({QCoreApplication::translate("Options", "ON"), QCoreApplication::translate("Options", "OFF")});
    m_cmbSR->setCurrentIndex(-1);
    // Assistive technology names the list after its caption.
    findChild<QLabel*>(QStringLiteral("Label1"))->setBuddy(m_cmbSR);

    // One choice per logical core: more files at once than cores only wait on each other.
    m_cmbAtOnce = new QComboBox(this);
    m_cmbAtOnce->setObjectName(QStringLiteral("cmbAtOnce"));
    m_cmbAtOnce->setGeometry(AtOnceList);
    for (int n = 1; n <= LogicalCores(); ++n)
        m_cmbAtOnce->addItem(QString::number(n));
    findChild<QLabel*>(QStringLiteral("Label11"))->setBuddy(m_cmbAtOnce);

    m_command1 = new QPushButton(QCoreApplication::translate("Options", "OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(CommandOK);
    m_command1->setStyleSheet(PrimaryButton);
    m_command2 = new QPushButton(QCoreApplication::translate("Options", "Back"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setGeometry(CommandBack);
    m_command2->setStyleSheet(PlainButton);
    for (QPushButton* button : {m_command1, m_command2})
        button->setCursor(Qt::PointingHandCursor);

    m_chkMC = new QCheckBox(QCoreApplication::translate("Options", "Music Cutter"), this);
    m_chkMC->setObjectName(QStringLiteral("chkMC"));
    m_chkMC->setGeometry(398, 56, 15, 13);

    m_chkCopy = new QCheckBox(QCoreApplication::translate("Options", CopyText), this);
    m_chkCopy->setObjectName(QStringLiteral("chkCopy"));
    m_chkCopy->setAccessibleName(QCoreApplication::translate("Options", CopyText));
    m_chkCopy->setGeometry(CopyBox);
    // The palette, not a style sheet: a styled check box would lose the style's own indicator.
    QPalette text = m_chkCopy->palette();
    text.setColor(QPalette::WindowText, QColor(0x1E, 0x29, 0x3B));
    m_chkCopy->setPalette(text);
    m_chkCopy->setCursor(Qt::PointingHandCursor);

    for (std::size_t i = 0; i < Boxes.size(); ++i) {
        m_boxes[i] = new QLineEdit(QStringLiteral("0"), this);
        m_boxes[i]->setObjectName(QString::fromLatin1(Boxes[i].name));
        m_boxes[i]->setGeometry(Boxes[i].rect);
        m_boxes[i]->setEnabled(false);
    }

    m_imgOK = new HotImage(QStringLiteral("imgOK"), {166, 803, 58, 18}, this);
    m_imgOK->setHighlightPicture(drawLight(QCoreApplication::translate("Options", "OK"), devicePixelRatio()));
    m_imgBack = new HotImage(QStringLiteral("imgBack"), {246, 803, 58, 18}, this);
    m_imgBack->setHighlightPicture(drawLight(QCoreApplication::translate("Options", "Back"), devicePixelRatio()));

    // Only the bare background drags the dialog: a pointer over a control stays there.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setAttribute(Qt::WA_NoMousePropagation);

    QList<QWidget*> order{m_cmbSR, m_chkMC};
    for (QLineEdit* box : m_boxes)
        order.append(box);
    // After Back, so that Tab from the reminder list still reaches the cutter first.
    order.append({m_command1, m_command2, m_chkCopy, m_cmbAtOnce});
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(m_chkMC, &QCheckBox::stateChanged, this, [this](int state) {
        // Greyed is a state the stored value can ask for, never one a click reaches.
        if (state != Qt::PartiallyChecked)
            m_chkMC->setTristate(false);
        applyEnablingRule();
    });
    connect(m_command1, &QPushButton::clicked, this, &frmOptions::confirm);
    connect(m_command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_imgOK, &HotImage::clicked, this, &frmOptions::confirm);
    connect(m_imgBack, &HotImage::clicked, this, &QDialog::reject);
    connect(m_imgOK, &HotImage::moved, m_imgOK, &HotImage::light);
    connect(m_imgBack, &HotImage::moved, m_imgBack, &HotImage::light);
}

void frmOptions::load()
{
    MakeWindowLayered(*this, m_background.toImage(), KeyColour);
    ScaleFormToScreen(*this, screenScale(*this));
    // A font wider than Tahoma must not cut a caption off: its label grows rightwards, once
    // the font has its size for this screen.
    for (const LabelDef& def : Labels) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(def.name));
        label->resize(std::max(def.rect.width(), label->sizeHint().width()), def.rect.height());
    }
    // After scaling, which sets the font the lines are measured in.
    QStyleOptionButton option;
    option.initFrom(m_chkCopy);
    const int room = m_chkCopy->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, m_chkCopy).width();
    m_chkCopy->setText(wrapped(QCoreApplication::translate("Options", CopyText), m_chkCopy->fontMetrics(), room - 2));
    m_chkCopy->setChecked(SplitByCopy);
    m_cmbAtOnce->setCurrentIndex(UsableConversionsAtOnce(ConversionsAtOnce) - 1);
    // A value the controls cannot show leaves them as they are made: no choice, unticked.
    if (SoundReminder >= -1 && SoundReminder <= 1)
        m_cmbSR->setCurrentIndex(SoundReminder);
    if (MusicCutter >= 0 && MusicCutter <= 2)
        m_chkMC->setCheckState(CutterStates[MusicCutter]);
    if (m_chkMC->checkState() == Qt::Checked) {
        showSeconds(CutStartSeconds, *m_boxes[FromH], *m_boxes[FromM], *m_boxes[FromS]);
        showSeconds(CutLengthSeconds, *m_boxes[ToH], *m_boxes[ToM], *m_boxes[ToS]);
    }
    applyEnablingRule();
    m_cmbSR->setFocus();
}

void frmOptions::applyEnablingRule()
{
    const bool ticked = m_chkMC->checkState() == Qt::Checked;
    for (QLineEdit* box : m_boxes)
        box->setEnabled(ticked);
}

void frmOptions::confirm()
{
    for (const MinuteOrSecondCheck& check : Checks) {
        QLineEdit* box = m_boxes[check.box];
        const auto value = valueOf(*box);
        if (value && *value > 59) {
            m_desktop.showMessage(this, Desktop::Icon::Warning, QCoreApplication::translate("Options", "Min"),
                                  QCoreApplication::translate("Options", check.message));
            box->setFocus();
            return;
        }
    }
    if (std::all_of(m_boxes.begin(), m_boxes.end(), [](const QLineEdit* box) { return valueOf(*box) == 0.0; }))
        m_chkMC->setCheckState(Qt::Unchecked);

    SoundReminder = static_cast<std::int16_t>(m_cmbSR->currentIndex());
    MusicCutter = cutterValue(m_chkMC->checkState());
    storeSeconds(CutStartSeconds, *m_boxes[FromH], *m_boxes[FromM], *m_boxes[FromS]);
    storeSeconds(CutLengthSeconds, *m_boxes[ToH], *m_boxes[ToM], *m_boxes[ToS]);
    SplitByCopy = m_chkCopy->isChecked();
    ConversionsAtOnce = m_cmbAtOnce->currentIndex() + 1;
    SaveOptionsFile(m_settingsFolder);
    accept();
}

void frmOptions::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void frmOptions::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

void frmOptions::clearHotImages()
{
    m_imgOK->clearPicture();
    m_imgBack->clearPicture();
}

} // namespace brisquel
