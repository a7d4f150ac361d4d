#pragma once

#include <QHash>
#include <QKeySequence>
#include <QObject>
#include <QStringList>

#include <functional>

class QWidget;

namespace brisquel {

class HotImage;

// The keyboard's way to the window's commands. Every key stands for an image and obeys the
// same rule: while that image is disabled (the toolbar during a batch) the key does nothing.
class WindowShortcuts : public QObject
{
public:
    using Action = std::function<void()>;

    explicit WindowShortcuts(QWidget& window);

    // `key` does what a click on `image` does, or `action` when one is given, and the
    // image's tooltip names it after its caption: "Add (Ctrl+O)".
    void add(HotImage& image, const QKeySequence& key, Action action = {}, QWidget* scope = nullptr);

    // `key` runs `action` while `gate` is enabled; with a `scope`, only while the keyboard
    // focus is inside it.
    void add(const QKeySequence& key, const QWidget& gate, Action action, QWidget* scope = nullptr);

private:
    void nameInToolTip(HotImage& image, const QKeySequence& key);

    QWidget& m_window;
    QHash<const HotImage*, QString> m_captions;
    QHash<const HotImage*, QStringList> m_keys;
};

} // namespace brisquel
