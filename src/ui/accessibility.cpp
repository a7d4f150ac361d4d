#include "ui/accessibility.h"

#include "ui/hot_image.h"
#include "ui/progress_caption.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QWidget>

#include <array>

namespace brisquel {
namespace {

class ClickableAccessible : public QAccessibleWidget
{
public:
    ClickableAccessible(ClickableLabel* label, QAccessible::Role role)
        : QAccessibleWidget(label, role)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // The options dialog keeps hot images beyond its edge, where nobody can reach them.
        const QWidget* parent = widget()->parentWidget();
        if (parent && !parent->rect().intersects(widget()->geometry())) {
            s.invisible = true;
            s.offscreen = true;
        }
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return static_cast<const ClickableLabel*>(widget())->text();
        return own;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<ClickableLabel*>(widget())->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ProgressAccessible(ProgressCaption* caption)
        : QAccessibleWidget(caption, QAccessible::ProgressBar)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return caption()->text();
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return caption()->percent(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    ProgressCaption* caption() const { return static_cast<ProgressCaption*>(widget()); }
};

// On Linux Qt names a drop-down list by its current entry and expects a label control to
// name it; the panel's captions are painted on the skin, so a named list says its name
// itself and gives its entry as its value.
class NamedListAccessible : public QAccessibleWidget
{
public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction())
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessibleFactory(const QString&, QObject* object)
{
    // Qt asks again for every base class: only the exact class is answered, so a drop
    // target, which is a clickable label too, keeps the interface of a plain label.
    const QMetaObject* type = object ? object->metaObject() : nullptr;
    if (type == &HotImage::staticMetaObject)
        return new ClickableAccessible(static_cast<HotImage*>(object), QAccessible::PushButton);
    if (type == &ClickableLabel::staticMetaObject)
        return new ClickableAccessible(static_cast<ClickableLabel*>(object), QAccessible::Link);
    if (type == &ProgressCaption::staticMetaObject)
        return new ProgressAccessible(static_cast<ProgressCaption*>(object));
    if (type == &QComboBox::staticMetaObject && !static_cast<QComboBox*>(object)->accessibleName().isEmpty())
        return new NamedListAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

struct ControlName
{
    const char* object;
    const char* name;
    const char* caption; // the tooltip of a hot image, as the skin paints it
};

constexpr std::array<ControlName, 17> Names{{
    {"imgToolbar0", QT_TRANSLATE_NOOP("Accessibility", "Add files"), QT_TRANSLATE_NOOP("Skin", "Add")},
    {"imgToolbar6", QT_TRANSLATE_NOOP("Accessibility", "Add folder"), QT_TRANSLATE_NOOP("Skin", "Add Folder")},
    {"imgToolbar1", QT_TRANSLATE_NOOP("Accessibility", "Remove"), QT_TRANSLATE_NOOP("Skin", "Remove")},
    {"imgToolbar2", QT_TRANSLATE_NOOP("Accessibility", "Settings"), QT_TRANSLATE_NOOP("Skin", "Setting")},
    {"imgToolbar3", QT_TRANSLATE_NOOP("Accessibility", "Help"), QT_TRANSLATE_NOOP("Skin", "Help")},
    {"imgToolbar4", QT_TRANSLATE_NOOP("Accessibility", "Exit"), QT_TRANSLATE_NOOP("Skin", "Exit")},
    {"imgConvert", QT_TRANSLATE_NOOP("Accessibility", "Start conversion"), QT_TRANSLATE_NOOP("Skin", "START NOW!")},
    {"LV", QT_TRANSLATE_NOOP("Accessibility", "File list"), nullptr},
    {"txtSplit", QT_TRANSLATE_NOOP("Accessibility", "Split every"), nullptr},
    {"cmbUnit", QT_TRANSLATE_NOOP("Accessibility", "Split unit"), nullptr},
    {"cmbOF", QT_TRANSLATE_NOOP("Accessibility", "Output format"), nullptr},
    {"cmbBR", QT_TRANSLATE_NOOP("Accessibility", "Bitrate (kbps)"), nullptr},
    {"cmbR", QT_TRANSLATE_NOOP("Accessibility", "Rate (Hz)"), nullptr},
    {"cmbChannel", QT_TRANSLATE_NOOP("Accessibility", "Audio channel"), nullptr},
    {"txtPath", QT_TRANSLATE_NOOP("Accessibility", "Output folder"), nullptr},
    {"cmdBrowse", QT_TRANSLATE_NOOP("Accessibility", "Browse for the output folder"), nullptr},
    {"lblPB", QT_TRANSLATE_NOOP("Accessibility", "Progress"), nullptr},
}};

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFactory);
        return true;
    }();
    (void)installed;
}

void nameMainWindowControls(QWidget& window)
{
    for (const ControlName& control : Names) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(control.object));
        if (!widget)
            continue;
        widget->setAccessibleName(QCoreApplication::translate("Accessibility", control.name));
        // A list told of its first entry before it had a name was given Qt's own interface,
        // which names it by its entry: made again, it says its name.
        if (qobject_cast<QComboBox*>(widget))
            QAccessible::deleteAccessibleInterface(
                QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
        if (control.caption)
            widget->setToolTip(QCoreApplication::translate("Skin", control.caption));
    }
}

} // namespace brisquel
