#include "ui/stop_control.h"

#include "ui/hot_image.h"
#include "ui/skin_artwork.h"

#include <QCoreApplication>
#include <QShortcut>

namespace brisquel {

StopControl::StopControl(HotImage& image, const SkinArtwork& art, QWidget& window, std::function<void()> stop)
    : QObject(&window)
    , m_image(image)
    , m_art(art)
    , m_escape(new QShortcut(QKeySequence(Qt::Key_Escape), &window))
{
    m_escape->setObjectName(QStringLiteral("stopShortcut"));
    m_escape->setContext(Qt::WindowShortcut);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, std::move(stop));
}

void StopControl::setStopShown(bool stop)
{
    if (stop == m_stopShown)
        return;
    m_stopShown = stop;
    m_escape->setEnabled(stop);
    if (stop) {
        // Whatever START NOW! carries comes back with it.
        m_startToolTip = m_image.toolTip();
        m_startName = m_image.accessibleName();
        m_image.setHighlightPicture(m_art.stopHotData);
        m_image.setRestingPicture(m_art.stopData);
        m_image.setToolTip(QCoreApplication::translate("MainWindow", "Stop the conversion (Esc)"));
        m_image.setAccessibleName(QCoreApplication::translate("Accessibility", "Stop conversion"));
    } else {
        m_image.setHighlightPicture(m_art.convertData);
        m_image.setRestingPicture({});
        m_image.setToolTip(m_startToolTip);
        m_image.setAccessibleName(m_startName);
    }
}

} // namespace brisquel
