#pragma once

#include <QLabel>

namespace brisquel {

// The footer's line about the whole batch: file k of N, time left and speed while it runs,
// then what became of it, as a link to its report.
class BatchStatusLine : public QLabel
{
    Q_OBJECT

public:
    explicit BatchStatusLine(QWidget* parent);

    void showRunning(const QString& text);
    // Without a report file the end text is plain.
    void showEnd(const QString& text, const QString& reportFile);
    // Only an end text goes: it spoke of a list that has changed since.
    void dropEndText();

signals:
    void reportRequested(const QString& reportFile);

private:
    QString m_reportFile;
    bool m_showsEnd = false;
};

} // namespace brisquel
