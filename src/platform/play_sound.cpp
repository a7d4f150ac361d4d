#include "platform/play_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace brisquel {
namespace {

// Runs a nested loop until `done` holds or `ms` have passed; returns whether `done` holds.
template <typename Signal, typename Done>
bool waitFor(QSoundEffect& effect, Signal signal, Done done, int ms)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&effect, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    bound.start(ms);
    loop.exec();
    return done();
}

} // namespace

void playSoundToEnd(const QString& path, int limitMs)
{
    if (!QFileInfo(path).isFile() || QMediaDevices::audioOutputs().isEmpty()) {
        QApplication::beep();
        return;
    }
    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(path));
    const bool loaded = waitFor(effect, &QSoundEffect::statusChanged, [&] {
        return effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error;
    }, limitMs);
    if (!loaded || effect.status() != QSoundEffect::Ready) {
        QApplication::beep();
        return;
    }
    effect.play();
    // A device that accepts the sound but never starts it must not hold the program.
    if (!waitFor(effect, &QSoundEffect::playingChanged, [&] { return effect.isPlaying(); }, 1000)) {
        effect.stop();
        QApplication::beep();
        return;
    }
    waitFor(effect, &QSoundEffect::playingChanged, [&] { return !effect.isPlaying(); }, limitMs);
    effect.stop();
}

} // namespace brisquel
