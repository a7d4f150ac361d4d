#include "platform/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace brisquel {

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(lockPath)
    , m_handOffPath(QFileInfo(lockPath).path() + QStringLiteral("/brisquel.socket"))
{
    // A running copy never gives the lock up by age, however long it runs.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

void SingleInstance::release()
{
    m_lock.unlock();
}

QString SingleInstance::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/brisquel.lock");
}

} // namespace brisquel
