#pragma once

#include "ui/clickable_label.h"

class QDropEvent;
class QMimeData;

namespace brisquel {

// Takes a drag or a drop as a copy, whatever the source proposes: a move would let the
// file manager delete the files it handed over.
void acceptAsCopy(QDropEvent& event);

// A drop area that takes anything dragged over it and reports drops and clicks. With a
// hint it paints an invitation to drop on its white face.
class DropTarget : public ClickableLabel
{
    Q_OBJECT

public:
    DropTarget(const QString& name, QWidget* parent);

    void setHint(const QString& title, const QString& detail);

signals:
    // `data` lives only while the signal is delivered.
    void dropped(const QMimeData* data);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_hintTitle;
    QString m_hintDetail;
};

} // namespace brisquel
