#include "ui/queue_list.h"

#include "input/conversion_queue.h"
#include "ui/drop_target.h"
#include "ui/main_window_layout.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QHeaderView>

namespace brisquel {

QueueList::QueueList(ConversionQueue& queue, QWidget* parent)
    : QTreeWidget(parent)
    , m_queue(queue)
{
    setObjectName(QStringLiteral("LV"));
    setColumnCount(2);
    setHeaderLabels(
        {QCoreApplication::translate("MainWindow", "FileName"), QCoreApplication::translate("MainWindow", "Format")});
    // The skin paints the frame and the column header.
    setHeaderHidden(true);
    setFrameShape(QFrame::NoFrame);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTextElideMode(Qt::ElideMiddle);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setStyleSheet(QStringLiteral("QTreeWidget { background: white; }"
                                 "QTreeWidget::item { height: 22px; padding-left: 6px; }"
                                 "QTreeWidget::item:selected { background: #dbe7fd; color: #1e293b; }"));
    header()->setStretchLastSection(true);
    header()->resizeSection(0, layout::FileNameColumnWidth);
    // Drags reach an item view through its viewport.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);

    m_queue.entriesInserted = [this](int first, int last) { insertRows(first, last); };
    m_queue.entriesRemoved = [this](int first, int last) { removeRows(first, last); };
}

void QueueList::dragEnterEvent(QDragEnterEvent* event)
{
    acceptAsCopy(*event);
    emit dragEntered();
}

void QueueList::dragMoveEvent(QDragMoveEvent* event)
{
    acceptAsCopy(*event);
}

void QueueList::dropEvent(QDropEvent* event)
{
    acceptAsCopy(*event);
    emit dropped(event->mimeData());
}

void QueueList::insertRows(int first, int last)
{
    QList<QTreeWidgetItem*> items;
    for (int i = first; i <= last; ++i) {
        const QueueEntry& entry = m_queue.entry(i);
        auto* item = new QTreeWidgetItem({QString::fromStdString(entry.display), QString::fromStdString(entry.format)});
        item->setToolTip(0, item->text(0));
        items << item;
    }
    insertTopLevelItems(first, items);
}

void QueueList::showProgress(int row, const QString& percent)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setText(1, percent.isEmpty() ? QString::fromStdString(m_queue.entry(row).format) : percent);
}

void QueueList::removeRows(int first, int last)
{
    for (int i = last; i >= first; --i)
        delete takeTopLevelItem(i);
}

} // namespace brisquel
