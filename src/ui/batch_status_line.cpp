#include "ui/batch_status_line.h"

#include "ui/main_window_layout.h"
#include "ui/tahoma.h"

#include <QCoreApplication>

namespace brisquel {

BatchStatusLine::BatchStatusLine(QWidget* parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("lblStatus"));
    setGeometry(layout::Status);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFont(tahoma(8.25));
    setStyleSheet(QStringLiteral("color: rgb(48, 70, 84); background: transparent;"));
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(this, &QLabel::linkActivated, this, [this] { emit reportRequested(m_reportFile); });
}

void BatchStatusLine::showRunning(const QString& text)
{
    m_showsEnd = false;
    setTextFormat(Qt::PlainText);
    setText(text);
    setToolTip({});
}

void BatchStatusLine::showEnd(const QString& text, const QString& reportFile)
{
    m_showsEnd = true;
    m_reportFile = reportFile;
    if (reportFile.isEmpty()) {
        setTextFormat(Qt::PlainText);
        setText(text);
        return;
    }
    setTextFormat(Qt::RichText);
    setText(QStringLiteral("<a href=\"report\" style=\"color: rgb(37, 99, 235);\">%1</a>").arg(text.toHtmlEscaped()));
    setToolTip(QCoreApplication::translate("MainWindow", "Open the report of this batch"));
}

void BatchStatusLine::dropEndText()
{
    if (!m_showsEnd)
        return;
    m_showsEnd = false;
    clear();
    setToolTip({});
}

} // namespace brisquel
