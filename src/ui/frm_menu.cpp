#include "ui/frm_menu.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>

namespace brisquel {

frmMenu::frmMenu(QLineEdit& txtAction, std::function<void()> removeAll)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmMenu"));
    m_menuRemove = new QMenu(QCoreApplication::translate("MainWindow", "Remove"), this);
    m_menuRemove->setObjectName(QStringLiteral("menuRemove"));
    m_menuRemoveSelected = m_menuRemove->addAction(QCoreApplication::translate("MainWindow", "Remove Selected"));
    m_menuRemoveSelected->setObjectName(QStringLiteral("menuRemoveSelected"));
    m_menuRemoveAll = m_menuRemove->addAction(QCoreApplication::translate("MainWindow", "Remove All"));
    m_menuRemoveAll->setObjectName(QStringLiteral("menuRemoveAll"));

    connect(m_menuRemoveSelected, &QAction::triggered, &txtAction,
            [&txtAction] { txtAction.setText(QStringLiteral("RemoveSelected")); });
    connect(m_menuRemoveAll, &QAction::triggered, this, [removeAll = std::move(removeAll)] {
        if (removeAll)
            removeAll();
    });
}

} // namespace brisquel
