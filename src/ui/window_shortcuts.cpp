#include "ui/window_shortcuts.h"

#include "ui/hot_image.h"

#include <QPointer>
#include <QShortcut>

namespace brisquel {

WindowShortcuts::WindowShortcuts(QWidget& window)
    : QObject(&window)
    , m_window(window)
{
}

void WindowShortcuts::add(HotImage& image, const QKeySequence& key, Action action, QWidget* scope)
{
    if (!action)
        action = [&image] { image.click(); };
    add(key, image, std::move(action), scope);
    nameInToolTip(image, key);
}

void WindowShortcuts::add(const QKeySequence& key, const QWidget& gate, Action action, QWidget* scope)
{
    auto* shortcut = new QShortcut(key, scope ? scope : &m_window);
    shortcut->setContext(scope ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut);
    // One press, one command: a held key must not open a dialog again as soon as it closes.
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, [gate = QPointer<const QWidget>(&gate), action = std::move(action)] {
        if (gate && gate->isEnabled())
            action();
    });
}

void WindowShortcuts::nameInToolTip(HotImage& image, const QKeySequence& key)
{
    if (!m_captions.contains(&image))
        m_captions.insert(&image, image.toolTip());
    QStringList& keys = m_keys[&image];
    keys << key.toString(QKeySequence::NativeText);
    image.setToolTip(QStringLiteral("%1 (%2)").arg(m_captions.value(&image), keys.join(QStringLiteral(", "))));
}

} // namespace brisquel
