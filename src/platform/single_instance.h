#pragma once

#include <QLockFile>
#include <QString>

namespace brisquel {

// One running copy per user: a lock file that a later copy finds taken. A lock left by a
// copy that crashed is stale (its process is gone) and is taken over.
class SingleInstance
{
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    // False when another running copy holds the lock; true again for the holder.
    bool acquire();
    void release();

    // Where the holder listens for the paths of later copies: beside the lock.
    QString handOffPath() const { return m_handOffPath; }

    // brisquel.lock in the per-user runtime folder.
    static QString defaultLockPath();

private:
    QLockFile m_lock;
    QString m_handOffPath;
};

} // namespace brisquel
