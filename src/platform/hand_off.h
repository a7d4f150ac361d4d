#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <chrono>
#include <string>
#include <vector>

namespace brisquel {

// The running copy's end of the hand-off: paths that a later copy was started with arrive
// here, through a local socket in the per-user runtime folder. Only the holder of the
// single-instance lock listens, so a socket left by a crash is its own to replace.
class HandOffServer : public QObject
{
    Q_OBJECT

public:
    explicit HandOffServer(QString socketPath, QObject* parent = nullptr);
    ~HandOffServer() override;

    bool listen();

signals:
    // One later copy's paths, whole and in its order.
    void pathsHandedOver(const std::vector<std::string>& paths);

private:
    void accept();

    QString m_socketPath;
    QLocalServer m_server;
};

// A later copy's end: sends `paths` (name bytes as they are, each ended by a NUL, the list
// by an empty one) and waits until the running copy says it has taken them. A copy that is still starting may not listen
// yet, so connecting is tried again until `patience` is over. False when nobody took them.
bool handPathsOver(const QString& socketPath, const std::vector<std::string>& paths,
                   std::chrono::milliseconds patience);

} // namespace brisquel
