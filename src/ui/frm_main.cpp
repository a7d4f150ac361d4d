#include "ui/frm_main.h"

#include "engine/batch_driver.h"
#include "engine/batch_progress.h"
#include "engine/progress.h"
#include "input/code_page.h"
#include "input/delete_folder_tree.h"
#include "input/file_kind.h"
#include "input/file_search.h"
#include "input/intake_entry.h"
#include "input/remove_all.h"
#include "input/scratch_folder.h"
#include "platform/desktop.h"
#include "platform/make_window_layered.h"
#include "process/throttled_yield.h"
#include "settings/common_dlgs_w.h"
#include "settings/frm_options.h"
#include "settings/open_file_dialog.h"
#include "settings/option_values.h"
#include "settings/options_file.h"
#include "settings/pick_folder.h"
#include "settings/picker_folders.h"
#include "settings/setup_file.h"
#include "ui/accessibility.h"
#include "ui/add_file.h"
#include "ui/background_drag.h"
#include "ui/batch_status_line.h"
#include "ui/centre_on_screen.h"
#include "ui/clickable_label.h"
#include "ui/drop_target.h"
#include "ui/dropped_files.h"
#include "ui/focus_ring.h"
#include "ui/frm_menu.h"
#include "ui/help_page.h"
#include "ui/hot_image.h"
#include "ui/main_window_layout.h"
#include "ui/output_settings_panel.h"
#include "ui/progress_caption.h"
#include "ui/queue_list.h"
#include "ui/scale_form_to_screen.h"
#include "ui/stop_control.h"
#include "ui/tahoma.h"
#include "ui/window_shortcuts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QUrl>

#include <cmath>
#include <filesystem>

namespace brisquel {
namespace {

constexpr int TwipsPerPixel = 15;
constexpr QRgb KeyColour = 0xFF00FF;
constexpr int ScratchDeleteLimitMs = 2000;
constexpr int CloseWaitLimitMs = 10000;
// The window definition stores "Drag && Drop Files Here", where "&&" shows one ampersand;
// a QLabel shows its text as it is.
constexpr char DropHintCaption[] = QT_TRANSLATE_NOOP("MainWindow", "Drag & Drop Files Here");
constexpr char SearchingCaption[] = QT_TRANSLATE_NOOP("MainWindow", "Searching Files...");
constexpr std::chrono::milliseconds SearchYieldInterval{8};
constexpr std::chrono::milliseconds RemoveAllYieldInterval{40};
constexpr char RemoveSelectedWord[] = "RemoveSelected";
// Long names, and the current folder left as it is.
constexpr std::int32_t DropZoneDialogFlags = 2097160;

QTimer* makeTimer(QObject* parent, const char* name, int ms, bool singleShot)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(ms);
    timer->setSingleShot(singleShot);
    return timer;
}

// A plain drop queues what the toolkit hands over in the narrow code page.
QueueEntry narrowDropEntry(const std::string& path, const IntakeContext& context)
{
    return plainDropEntry(context.codePage.narrow(path));
}

QueueEntry droppedFolderFileEntry(const std::string& path, const IntakeContext& context)
{
    return foundFileEntry(path, context);
}

QueueEntry dropZonePickEntry(const std::string& path, const IntakeContext&)
{
    return pickedPathEntry(path);
}

QString leftOutText(int leftOut)
{
    return leftOut == 1
        ? QCoreApplication::translate("MainWindow", "The list holds at most %1 files: 1 file was left out.")
              .arg(ConversionQueue::MaxEntries)
        : QCoreApplication::translate("MainWindow", "The list holds at most %1 files: %2 files were left out.")
              .arg(ConversionQueue::MaxEntries)
              .arg(leftOut);
}

Desktop::Icon desktopIcon(BatchHost::MessageIcon icon)
{
    switch (icon) {
    case BatchHost::MessageIcon::Information: return Desktop::Icon::Information;
    case BatchHost::MessageIcon::Warning: return Desktop::Icon::Warning;
    case BatchHost::MessageIcon::Critical: break;
    }
    return Desktop::Icon::Critical;
}

} // namespace

frmMain::frmMain(MainWindowContext context)
    // A minimise box too, so that a long batch can be put aside.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_context(std::move(context))
    , m_desktop(*m_context.desktop)
    , m_art(drawSkinArtwork(qApp->devicePixelRatio()))
    , m_codePage(m_context.codePage ? m_context.codePage : &utf8CodePage())
    , m_pickerFolders(std::make_unique<PickerFolders>(QString::fromStdString(m_context.musicFolder),
                                                      QString::fromStdString(m_context.homeFolder)))
{
    installAccessibility();
    setObjectName(QStringLiteral("frmMain"));
    setFixedSize(layout::Client);
    setFont(tahoma(8.25));
    setMouseTracking(true);
    setWindowIcon(QIcon(m_art.logo));
    setAttribute(Qt::WA_OpaquePaintEvent);
    createControls();
    connectHotImages();
    nameMainWindowControls(*this);
    connectKeys();
    new BackgroundDrag(*this, [this] { finishBackgroundSequence(); });
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    for (int i = 0; i < 7; ++i) {
        m_imgToolbar[i] = new HotImage(QStringLiteral("imgToolbar%1").arg(i), layout::Toolbar[i], this);
        m_imgToolbar[i]->setHighlightPicture(m_art.buttonData[i]);
        m_imgToolbar[i]->setDisabledPicture(m_art.buttonDisabled[i]);
        m_imgToolbar[i]->setCursor(m_art.hand);
    }
    m_imgToolbar[5]->hide();
    m_imgConvert = new HotImage(QStringLiteral("imgConvert"), layout::Convert, this);
    m_imgConvert->setHighlightPicture(m_art.convertData);
    m_imgConvert->setCursor(m_art.hand);
    m_stop = new StopControl(*m_imgConvert, m_art, *this, [this] {
        if (m_driver)
            m_driver->requestStop();
    });

    m_LV = new QueueList(m_queue, this);
    m_LV->setGeometry(layout::List);
    new FocusRing(*m_LV, layout::ListFrame, layout::ListFrameRadius, this);

    m_picText = new QWidget(this);
    m_picText->setObjectName(QStringLiteral("picText"));
    m_picText->setGeometry(layout::EmptyHint);
    m_picText->setAutoFillBackground(true);
    m_picText->setPalette(QPalette(Qt::white));
    m_lblText = new QLabel(QCoreApplication::translate("MainWindow", DropHintCaption), m_picText);
    m_lblText->setObjectName(QStringLiteral("lblText"));
    m_lblText->setGeometry(m_picText->rect());
    m_lblText->setAlignment(Qt::AlignCenter);
    m_lblText->setFont(tahoma(9, QFont::Bold));
    m_lblText->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));

    m_picDrop = new DropTarget(QStringLiteral("picDrop"), this);
    m_picDrop->setAutoFillBackground(true);
    m_picDrop->setPalette(QPalette(Qt::white));
    m_picDrop->setHint(
        QCoreApplication::translate("MainWindow", "Drop to add to the list"),
        QCoreApplication::translate("MainWindow", "Files join the queue in the order dropped; folders are searched"));
    m_picDrop->hide();

    m_picDrag = new DropTarget(QStringLiteral("picDrag"), this);
    m_picDrag->setGeometry(layout::DropZone);
    m_picDrag->setToolTip(QCoreApplication::translate("MainWindow", "Drag media files onto this DropZone"));
    m_picDrag->hide();

    // The command box that carries command words from the menu owner; never shown.
    m_txtAction = new QLineEdit(this);
    m_txtAction->setObjectName(QStringLiteral("txtAction"));
    m_txtAction->setFocusPolicy(Qt::NoFocus);
    m_txtAction->hide();

    m_panel = new OutputSettingsPanel(*this, m_desktop, *m_pickerFolders, m_context.defaultOutputFolder);

    m_imgPB = new QLabel(this);
    m_imgPB->setObjectName(QStringLiteral("imgPB"));
    m_imgPB->setPixmap(m_art.barFill);
    m_imgPB->setScaledContents(true);
    m_imgPB->setGeometry(layout::Bar.x(), layout::Bar.y(), 0, layout::Bar.height());

    m_lblPB = new ProgressCaption(QStringLiteral("0%"), this);
    m_lblPB->setObjectName(QStringLiteral("lblPB"));
    m_lblPB->setGeometry(layout::Percentage);
    m_lblPB->setAlignment(Qt::AlignCenter);
    m_lblPB->setFont(tahoma(7.5, QFont::Bold));
    m_lblPB->setStyleSheet(QStringLiteral("color: rgb(15, 30, 60); background: transparent;"));

    auto* web = new ClickableLabel(this);
    connect(web, &ClickableLabel::clicked, this, &frmMain::openHelpPage);
    m_lblWeb = web;
    m_lblWeb->setObjectName(QStringLiteral("lblWeb"));
    m_lblWeb->setGeometry(layout::Web);
    QFont webFont = tahoma(8.25);
    webFont.setUnderline(true);
    m_lblWeb->setFont(webFont);
    m_lblWeb->setCursor(m_art.hand);
    m_lblWeb->setToolTip(helpPageUrl(m_context.programFolder, m_context.language).toString());

    m_status = new BatchStatusLine(this);
    connect(m_status, &BatchStatusLine::reportRequested, this,
            [this](const QString& file) { m_desktop.openUrl(QUrl::fromLocalFile(file)); });
    // The end text speaks of the list as the batch left it.
    for (auto rowsChanged : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved}) {
        connect(m_LV->model(), rowsChanged, m_status, [this] {
            if (!m_driver || !m_driver->isActive())
                m_status->dropEndText();
        });
    }

    // Over the skin, only the bare background is the background: a pointer over any control
    // must not run the background sequence.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        control->setAttribute(Qt::WA_NoMousePropagation);

    QList<QWidget*> order = m_panel->tabOrder();
    order.insert(order.size() - 1, m_LV);
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    m_timer1 = makeTimer(this, "Timer1", 100, true);
    m_timer2 = makeTimer(this, "Timer2", 50, false);
    m_timer3 = makeTimer(this, "Timer3", 50, true);
    connect(m_timer3, &QTimer::timeout, this, &frmMain::reveal);

    connect(m_LV, &QueueList::dragEntered, m_picDrop, &QWidget::show);
    connect(m_LV, &QueueList::dropped, this, &frmMain::onPlainDrop);
    connect(m_picDrop, &DropTarget::dropped, this, &frmMain::onOverlayDrop);
    connect(m_picDrop, &DropTarget::clicked, m_picDrop, &QWidget::hide);
    connect(m_picDrag, &DropTarget::dropped, this, &frmMain::onPlainDrop);
    connect(m_picDrag, &DropTarget::clicked, this, &frmMain::onDropZoneClick);
    connect(m_txtAction, &QLineEdit::textChanged, this, &frmMain::dispatchCommand);
}

void frmMain::connectHotImages()
{
    for (int i = 0; i < 7; ++i) {
        HotImage* image = m_imgToolbar[i];
        connect(image, &HotImage::moved, this, [this, image] {
            clearToolbarPictures();
            image->light();
        });
        connect(image, &HotImage::pressed, this, &frmMain::clearToolbarPictures);
        connect(image, &HotImage::clicked, this, [this, i] { onToolbarClick(i); });
    }
    connect(m_imgConvert, &HotImage::moved, m_imgConvert, &HotImage::light);
    connect(m_imgConvert, &HotImage::pressed, m_imgConvert, &HotImage::clearPicture);
    connect(m_imgConvert, &HotImage::clicked, this, [this] {
        if (m_driver && m_driver->isActive())
            m_driver->requestStop();
        else if (m_driver)
            m_driver->StartConversion();
    });
}

// Every key acts as its image does. Escape belongs to the STOP state (StopControl), which
// arms it only while a batch runs.
void frmMain::connectKeys()
{
    auto* keys = new WindowShortcuts(*this);
    keys->add(*m_imgToolbar[0], Qt::CTRL | Qt::Key_O);
    keys->add(*m_imgToolbar[6], Qt::CTRL | Qt::SHIFT | Qt::Key_O);
    keys->add(*m_imgToolbar[1], Qt::Key_Menu, [this] { openRemoveMenuAtRow(); }, m_LV);
    keys->add(*m_imgToolbar[1], Qt::SHIFT | Qt::Key_F10, [this] { openRemoveMenuAtRow(); }, m_LV);
    keys->add(
        QKeySequence::Delete, *m_imgToolbar[1],
        [this] { m_txtAction->setText(QString::fromLatin1(RemoveSelectedWord)); }, m_LV);
    keys->add(*m_imgToolbar[2], Qt::CTRL | Qt::Key_Comma);
    keys->add(*m_imgToolbar[3], Qt::Key_F1);
    keys->add(*m_imgToolbar[4], Qt::CTRL | Qt::Key_Q);
    // Only ever a start: while a batch runs, the start image may stand for something else.
    keys->add(*m_imgConvert, Qt::CTRL | Qt::Key_Return, [this] {
        if (m_driver && !m_driver->isRunning())
            m_driver->StartConversion();
    });
}

void frmMain::load()
{
    move(100 / TwipsPerPixel - width(), 100 / TwipsPerPixel - height());
    m_objDialog = std::make_unique<CommonDlgsW>(m_desktop);
    m_pump.ProcessPending();
    setProgressWidth(0);
    m_driver = std::make_unique<BatchDriver>(
        *this, m_pump,
        [this](const std::string& text) {
            m_desktop.showMessage(this, Desktop::Icon::Critical, windowTitle(), QString::fromStdString(text));
        },
        m_context.converterSilenceLimit);
    connect(m_timer1, &QTimer::timeout, this, [this] {
        m_driver->onStartTimerTick();
        // A close that came during the batch waited for it to unwind.
        if (m_closePending)
            close();
    });
    connect(m_timer2, &QTimer::timeout, this, [this] { m_driver->onAnimationTimerTick(); });
    m_panel->setDefaults();
    // Only the label itself: its tooltip is a child window that would be transparent too.
    m_lblWeb->setStyleSheet(QStringLiteral("#lblWeb { color: rgb(48, 70, 84); background: transparent; }"));
    LoadSetupFile(m_context.settingsFolder, *m_panel, m_context.defaultOutputFolder);
    setWindowTitle(QCoreApplication::translate("MainWindow", "Brisquel - Ver %1.%2.%3").arg(1).arg(0).arg(0));
    m_lblWeb->setText(QCoreApplication::translate("MainWindow", "Brisquel - Help"));
    // The caption is the maker's, of any length: the label grows to the right to show it.
    m_lblWeb->resize(std::max(m_lblWeb->width(), m_lblWeb->sizeHint().width()), m_lblWeb->height());
    m_pump.ProcessPending();
    LoadOptionsFile(m_context.settingsFolder);
    const ScreenScale scale = screenScale(*this);
    auto* path = findChild<QLineEdit*>(QStringLiteral("txtPath"));
    ScaleFormToScreen(*this, scale, [&] {
        // This one font is scaled twice, down and then across.
        QFont font = path->font();
        font.setPointSizeF(font.pointSizeF() * scale.ky);
        path->setFont(font);
    });
    update();
    m_timer3->start();
    m_picDrop->setGeometry(m_LV->geometry());
    m_LV->setFocus();
    DeleteFolderTree(m_context.scratchFolder, [this] { m_pump.ProcessPending(); });
}

void frmMain::reveal()
{
    m_timer3->stop();
    MakeWindowLayered(*this, m_art.skin.toImage(), KeyColour);
    centreOnScreen(*this);
    m_pump.ProcessPending();
    emit revealed();
}

void frmMain::SaveSettingsAndExit()
{
    SaveSetupFile(m_context.settingsFolder, *m_panel);
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (m_driver && m_driver->isRunning()) {
        // The batch unwinds first: its converter (this program's own child, nobody else's)
        // is ended and its partial output removed; the window closes once the batch has
        // returned. Should it not return (a dialog of its own still open), the program ends
        // anyway.
        event->ignore();
        hide();
        if (!m_closePending) {
            m_closePending = true;
            QTimer::singleShot(CloseWaitLimitMs, this, [this] {
                if (!m_closePending)
                    return;
                deleteScratchFiles();
                emit unloaded(true);
            });
        }
        m_driver->abandonBatch();
        return;
    }
    m_closePending = false;
    deleteScratchFiles();
    event->accept();
    // A search left to go on would scan on unseen, holding the single-instance lock.
    emit unloaded(m_searches > 0);
}

void frmMain::deleteScratchFiles()
{
    const QDeadlineTimer deadline(ScratchDeleteLimitMs);
    for (const char* name : {"tmp.wav", "tmpfile1.mp3"}) {
        const std::filesystem::path file = std::filesystem::path(m_context.scratchFolder) / name;
        std::error_code ec;
        while (std::filesystem::exists(file, ec)) {
            std::filesystem::remove(file, ec);
            if (!std::filesystem::exists(file, ec) || deadline.hasExpired())
                break;
            m_pump.Wait(20);
        }
    }
}

void frmMain::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_art.skin);
}

// Steps 3 to 5 of the background sequence, run once a drag has ended.
void frmMain::finishBackgroundSequence()
{
    m_picDrop->hide();
    clearToolbarPictures();
    m_imgConvert->clearPicture();
}

void frmMain::clearToolbarPictures()
{
    for (HotImage* image : m_imgToolbar)
        image->clearPicture();
}

void frmMain::onToolbarClick(int index)
{
    switch (index) {
    case 0: addFile(); break;
    case 6: AddFolder(); break;
    case 1: openRemoveMenu(QCursor::pos()); break;
    case 2: showSettings(); break;
    case 3: openHelpPage(); break;
    case 4: SaveSettingsAndExit(); break;
    default: break;
    }
}

IntakeContext frmMain::intakeContext() const
{
    return {*m_codePage, m_context.scratchFolder};
}

void frmMain::addFile()
{
    using Purpose = PickerFolders::Purpose;
    const std::string file = PickFileToAdd(*m_objDialog, this, m_pickerFolders->startFolder(Purpose::AddFile));
    if (!file.empty()) {
        m_pickerFolders->remember(Purpose::AddFile, QFileInfo(QString::fromStdString(file)).absolutePath());
        createScratchFolder(m_context.scratchFolder);
        queueEntries({{file, addFileEntry}});
    }
    updateEmptyHint();
}

void frmMain::AddFolder()
{
    using Purpose = PickerFolders::Purpose;
    const auto folder = PickFolder(m_desktop, this, m_pickerFolders->startFolder(Purpose::AddFolder));
    if (!folder)
        return;
    m_pickerFolders->remember(Purpose::AddFolder, QString::fromStdString(*folder));
    std::vector<PendingEntry> pending;
    for (std::string& file : searchFolder(*folder))
        pending.push_back({std::move(file), foundFileEntry});
    queueEntries(pending);
    restoreHintCaption();
    updateEmptyHint();
}

std::vector<std::string> frmMain::searchFolder(const std::string& folder)
{
    m_picText->show();
    m_lblText->setText(QCoreApplication::translate("MainWindow", SearchingCaption));
    ++m_searches;
    std::vector<std::string> found;
    ThrottledYield yield(m_pump, SearchYieldInterval);
    SearchFolder(folder, found, [&] { yield(); });
    --m_searches;
    return found;
}

// A search that another one's yield let in must not take the outer one's caption away.
void frmMain::restoreHintCaption()
{
    if (m_searches == 0)
        m_lblText->setText(QCoreApplication::translate("MainWindow", DropHintCaption));
}

// Entries are made, temporary copies included, only for what fits in the queue; the rest
// is named in one message. FIFOs, sockets and devices are left out without a word, as Add
// Folder leaves them out: reading one would never end.
void frmMain::queueEntries(const std::vector<PendingEntry>& all)
{
    std::vector<const PendingEntry*> pending;
    for (const PendingEntry& entry : all) {
        if (!IsSpecialFile(entry.path))
            pending.push_back(&entry);
    }
    const std::size_t room = static_cast<std::size_t>(std::max(0, ConversionQueue::MaxEntries - m_queue.count()));
    const std::size_t taken = std::min(room, pending.size());
    std::vector<QueueEntry> entries;
    entries.reserve(taken);
    const IntakeContext context = intakeContext();
    for (std::size_t i = 0; i < taken; ++i)
        entries.push_back(pending[i]->make(pending[i]->path, context));
    const int leftOut = m_queue.append(entries) + static_cast<int>(pending.size() - taken);
    if (leftOut > 0)
        m_desktop.showMessage(this, Desktop::Icon::Warning, QCoreApplication::translate("MainWindow", "Add"),
                              leftOutText(leftOut));
}

void frmMain::onOverlayDrop(const QMimeData* data)
{
    createScratchFolder(m_context.scratchFolder);
    takeDrop(droppedFiles(data), overlayDropEntry);
}

void frmMain::onPlainDrop(const QMimeData* data)
{
    takeDrop(droppedFiles(data), narrowDropEntry);
}

// Names given outside the window are name bytes as they are, as the overlay takes them.
void frmMain::QueuePaths(const std::vector<std::string>& paths)
{
    createScratchFolder(m_context.scratchFolder);
    takeDrop(paths, overlayDropEntry);
}

void frmMain::takeDrop(std::vector<std::string> paths, EntryMaker fileEntry)
{
    // A drag over the list showed the overlay, whichever target took the drop; hidden
    // first, as it would cover the caption of a dropped folder's search.
    m_picDrop->hide();
    QueueDroppedFiles(std::move(paths), fileEntry);
    hideHintAfterDrop();
}

// A dropped folder is searched as Add Folder searches, its files taking its place in the
// drop order. The whole drop is appended at once, after any search, so nothing that runs in
// a search's yield can come between its entries.
void frmMain::QueueDroppedFiles(std::vector<std::string> paths, EntryMaker fileEntry)
{
    std::vector<PendingEntry> pending;
    bool searched = false;
    for (std::string& path : paths) {
        std::error_code ec;
        if (std::filesystem::is_directory(path, ec)) {
            for (std::string& file : searchFolder(path))
                pending.push_back({std::move(file), droppedFolderFileEntry});
            searched = true;
        } else {
            pending.push_back({std::move(path), fileEntry});
        }
    }
    queueEntries(pending);
    if (searched)
        restoreHintCaption();
}

void frmMain::hideHintAfterDrop()
{
    if (m_queue.count() == 0)
        return;
    m_pump.ProcessPending();
    if (m_queue.count() > 0)
        m_picText->hide();
}

void frmMain::onDropZoneClick()
{
    const std::string file = OpenFileDialog(m_desktop, this, m_context.programFolder,
                                            QCoreApplication::translate("MainWindow", "Open Files").toStdString(), "",
                                            "*.*|*.*", DropZoneDialogFlags);
    if (file.empty())
        return;
    queueEntries({{file, dropZonePickEntry}});
    if (m_queue.count() > 0)
        m_picText->hide();
}

void frmMain::openRemoveMenu(const QPoint& at)
{
    if (!m_frmMenu)
        m_frmMenu = std::make_unique<frmMenu>(*m_txtAction, [this] { RemoveAll(); });
    // popup, not exec: nothing here waits for the choice, and a menu that runs no loop of
    // its own leaves the window's loop in charge, where a test can reach the open menu.
    m_frmMenu->menuRemove()->popup(at);
}

// From the keyboard there is no pointer to open at: the menu opens under the selected row,
// or at the top of the list when none is selected.
void frmMain::openRemoveMenuAtRow()
{
    const QTreeWidgetItem* row = m_LV->currentItem();
    const QRect rect = row && row->isSelected() ? m_LV->visualItemRect(row) : QRect();
    openRemoveMenu(m_LV->viewport()->mapToGlobal(rect.isValid() ? rect.bottomLeft() : QPoint(0, 0)));
}

void frmMain::dispatchCommand(const QString& text)
{
    if (text == QLatin1String(RemoveSelectedWord))
        RemoveSelected();
    // Emptied after every word, so the same word written again is a change again.
    m_txtAction->setText(QString());
}

void frmMain::RemoveSelected()
{
    // The current row counts only while it shows as selected: the list keeps a current row
    // after a removal that the user sees no mark on.
    QTreeWidgetItem* row = m_LV->currentItem();
    if (row && row->isSelected())
        m_queue.removeAt(m_LV->indexOfTopLevelItem(row));
    if (m_queue.count() == 0)
        m_picText->show();
}

void frmMain::RemoveAll()
{
    // The list still shrinks visibly from the top, but repaints a few times a second rather
    // than once per row.
    ThrottledYield yield(m_pump, RemoveAllYieldInterval);
    // A current row that is removed hands itself to the next one, and the list lays all its
    // rows out again to show it: with no current row, taking the first row costs nothing.
    m_LV->setCurrentItem(nullptr);
    removeAll(m_queue, [&] {
        yield();
        m_LV->setCurrentItem(nullptr);
    });
    restoreHintCaption();
    // Entries dropped during the removal stay, so the hint follows the queue.
    updateEmptyHint();
}

void frmMain::updateEmptyHint()
{
    m_picText->setVisible(m_LV->topLevelItemCount() == 0);
}

void frmMain::showSettings()
{
    frmOptions options(m_desktop, m_context.settingsFolder, this);
    options.load();
    options.exec();
}

void frmMain::openHelpPage()
{
    m_desktop.openUrl(helpPageUrl(m_context.programFolder, m_context.language));
}

// BatchHost

int frmMain::queueCount() const { return m_queue.count(); }
std::string frmMain::queuePath(int index) const { return m_queue.path(index); }
void frmMain::removeQueueHead() { m_queue.removeAt(0); }
void frmMain::removeQueueEntry(int index) { m_queue.removeAt(index); }
void frmMain::showRowProgress(int index, const std::string& percent)
{
    m_LV->showProgress(index, QString::fromStdString(percent));
}std::string frmMain::queueSourcePath(int index) const
{
    const QueueEntry& entry = m_queue.entry(index);
    return entry.source.empty() ? entry.path : entry.source;
}
std::string frmMain::queueIntakeFailure(int index) const { return m_queue.entry(index).intakeFailure; }
int frmMain::formatIndex() const { return m_panel->formatIndex(); }
std::string frmMain::bitrateText() const { return m_panel->bitrateText(); }
std::string frmMain::rateText() const { return m_panel->rateText(); }
int frmMain::channelIndex() const { return m_panel->channelIndex(); }
std::string frmMain::splitText() const { return m_panel->splitText(); }
int frmMain::unitIndex() const { return m_panel->unitIndex(); }
std::string frmMain::outputFolderText() const { return m_panel->folderText(); }
int frmMain::soundReminder() const { return SoundReminder; }
int frmMain::musicCutter() const { return MusicCutter; }
int frmMain::cutLengthSeconds() const { return CutLengthSeconds; }
bool frmMain::splitByCopy() const { return SplitByCopy; }
int frmMain::conversionsAtOnce() const { return UsableConversionsAtOnce(ConversionsAtOnce); }
std::string frmMain::programFolder() const { return m_context.programFolder; }
std::string frmMain::scratchFolder() const { return m_context.scratchFolder; }

void frmMain::setProgressCaption(const std::string& text)
{
    m_lblPB->setCaption(QString::fromStdString(text));
    emit progressCaptionChanged(m_lblPB->text());
}

int frmMain::progressWidth() const
{
    return m_progressTwips;
}

void frmMain::setProgressWidth(int twips)
{
    // The bar keeps the width in twips it was given, so the animation's steps add up
    // exactly; the pixels shown are the nearest whole number.
    m_progressTwips = twips;
    const int pixels = std::clamp(static_cast<int>(std::lround(twips / double(TwipsPerPixel))), 0, layout::Bar.width());
    m_imgPB->setGeometry(layout::Bar.x(), layout::Bar.y(), pixels, layout::Bar.height());
    m_lblPB->setPercent(static_cast<int>(std::lround(100.0 * twips / FullBarWidth)));
}

void frmMain::setAnimationTimer(bool on)
{
    if (on)
        m_timer2->start();
    else
        m_timer2->stop();
}

void frmMain::setStartTimer(bool on)
{
    if (on)
        m_timer1->start();
    else
        m_timer1->stop();
}

void frmMain::setToolbarEnabled(bool enabled)
{
    for (HotImage* image : m_imgToolbar)
        image->setEnabled(enabled);
}

void frmMain::setConvertStop(bool stop)
{
    m_stop->setStopShown(stop);
}

void frmMain::showBatchProgress(const std::string& status, std::optional<double> fractionDone)
{
    m_status->showRunning(QString::fromStdString(status));
    m_announcer.showProgress(fractionDone);
}

void frmMain::batchEnded(const BatchOutcome& outcome)
{
    const QString report = QString::fromStdString(reportFile());
    m_status->showEnd(QString::fromStdString(BatchEndText(outcome)), QFileInfo::exists(report) ? report : QString());
    m_announcer.clearProgress();
    if (!outcome.stopped && !isActiveWindow())
        m_announcer.notify(QStringLiteral("Brisquel"), QString::fromStdString(BatchNotificationText(outcome)));
}

std::string frmMain::reportFile() const
{
    return m_context.reportFolder.empty() ? std::string() : m_context.reportFolder + "/last-batch.txt";
}

void frmMain::openFolder(const std::string& folder)
{
    m_desktop.openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

void frmMain::playReminderSound()
{
    m_desktop.playSound(QString::fromStdString(m_context.programFolder + "/sound.wav"));
}

void frmMain::showDropZone()
{
    m_picDrag->show();
}

void frmMain::showMessage(MessageIcon icon, const std::string& title, const std::string& text,
                          const std::string& details)
{
    m_desktop.showDetailedMessage(this, desktopIcon(icon), QString::fromStdString(title), QString::fromStdString(text),
                                  QString::fromStdString(details));
}

} // namespace brisquel
