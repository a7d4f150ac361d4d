#pragma once

#include <QTreeWidget>

class QMimeData;

namespace brisquel {

class ConversionQueue;

// LV: one row per queue entry, "FileName" and "Format", kept in step with the queue through
// its change callbacks, so a row and its path can never drift apart. It takes drops of its
// own and tells when something is dragged over it.
class QueueList : public QTreeWidget
{
    Q_OBJECT

public:
    QueueList(ConversionQueue& queue, QWidget* parent);

    // The row's Format column shows `percent` while its file converts beside others; an
    // empty text gives it the entry's format tag again.
    void showProgress(int row, const QString& percent);

signals:
    void dragEntered();
    // `data` lives only while the signal is delivered.
    void dropped(const QMimeData* data);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void insertRows(int first, int last);
    void removeRows(int first, int last);

    ConversionQueue& m_queue;
};

} // namespace brisquel
