#pragma once

#include <QTreeWidget>

namespace brisquel {

class ConversionQueue;

// LV: one row per queue entry, "FileName" and "Format", kept in step with the queue through
// its change callbacks, so a row and its path can never drift apart.
class QueueList : public QTreeWidget
{
    Q_OBJECT

public:
    QueueList(ConversionQueue& queue, QWidget* parent);

private:
    void insertRows(int first, int last);
    void removeRows(int first, int last);

    ConversionQueue& m_queue;
};

} // namespace brisquel
