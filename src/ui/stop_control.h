#pragma once

#include <QObject>
#include <QPixmap>

#include <functional>

class QShortcut;
class QWidget;

namespace brisquel {

class HotImage;
struct SkinArtwork;

// While a batch runs the start image offers STOP, with its own pictures, tooltip and name,
// and Esc in the window does the same as its click.
class StopControl : public QObject
{
public:
    StopControl(HotImage& image, const SkinArtwork& art, QWidget& window, std::function<void()> stop);

    void setStopShown(bool stop);
    bool isStopShown() const { return m_stopShown; }

private:
    HotImage& m_image;
    const SkinArtwork& m_art;
    QShortcut* m_escape = nullptr;
    bool m_stopShown = false;
    QString m_startToolTip;
    QString m_startName;
};

} // namespace brisquel
