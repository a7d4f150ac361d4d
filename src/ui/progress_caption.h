#pragma once

#include <QLabel>

namespace brisquel {

// lblPB: the caption over the progress bar. It also knows how full the bar is, so that
// assistive technology can announce the progress as a value and the caption beside it.
class ProgressCaption : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    void setCaption(const QString& caption);

    // The bar's fill in whole percent, 0 to 100.
    int percent() const { return m_percent; }
    void setPercent(int percent);

private:
    int m_percent = 0;
};

} // namespace brisquel
