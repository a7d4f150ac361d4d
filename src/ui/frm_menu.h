#pragma once

#include <QWidget>

#include <functional>

class QAction;
class QLineEdit;
class QMenu;

namespace brisquel {

// The hidden owner of the main window's popup menus; it is never shown. "Remove Selected"
// reaches the main window as the command word "RemoveSelected" in its command box;
// "Remove All" runs `removeAll` directly.
class frmMenu : public QWidget
{
    Q_OBJECT

public:
    frmMenu(QLineEdit& txtAction, std::function<void()> removeAll);

    QMenu* menuRemove() const { return m_menuRemove; }

private:
    QMenu* m_menuRemove = nullptr;
    QAction* m_menuRemoveSelected = nullptr;
    QAction* m_menuRemoveAll = nullptr;
};

} // namespace brisquel
