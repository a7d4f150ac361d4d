#include "platform/system_colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>

namespace brisquel {
namespace {

struct SystemColorRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup A = QPalette::Active;
constexpr QPalette::ColorGroup I = QPalette::Inactive;
constexpr QPalette::ColorGroup D = QPalette::Disabled;

// Index by index: scroll bar, desktop, active and inactive caption, menu, window, window
// frame, menu text, window text, caption text, active and inactive border, application
// work space, highlight, highlighted text, button face, button shadow, grey text, button
// text, inactive caption text, button highlight, dark shadow, light, tooltip text and
// background, (none), hot light, caption gradients, menu highlight, menu bar.
constexpr std::array<SystemColorRole, 31> Roles{{
    {A, QPalette::Button},     {A, QPalette::Window},   {A, QPalette::Highlight},   {I, QPalette::Highlight},
    {A, QPalette::Window},     {A, QPalette::Base},     {A, QPalette::Shadow},      {A, QPalette::WindowText},
    {A, QPalette::Text},       {A, QPalette::HighlightedText}, {A, QPalette::Window}, {I, QPalette::Window},
    {A, QPalette::Dark},       {A, QPalette::Highlight}, {A, QPalette::HighlightedText}, {A, QPalette::Button},
    {A, QPalette::Mid},        {D, QPalette::Text},     {A, QPalette::ButtonText},  {I, QPalette::WindowText},
    {A, QPalette::Light},      {A, QPalette::Shadow},   {A, QPalette::Midlight},    {A, QPalette::ToolTipText},
    {A, QPalette::ToolTipBase}, {A, QPalette::NoRole},  {A, QPalette::Link},        {A, QPalette::Highlight},
    {I, QPalette::Highlight},  {A, QPalette::Highlight}, {A, QPalette::Window},
}};

} // namespace

QColor systemColor(int index)
{
    if (index < 0 || index >= static_cast<int>(Roles.size()) || Roles[index].role == QPalette::NoRole)
        return QColor(0, 0, 0);
    return QGuiApplication::palette().color(Roles[index].group, Roles[index].role);
}

} // namespace brisquel
