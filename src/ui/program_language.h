#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>

class QTranslator;

namespace brisquel {

// The languages the program ships besides its own English.
QStringList shippedLanguages();

// The language the environment asks for, as gettext reads it: LANGUAGE first, a list
// ("fr:de") tried in turn, then the locale, the first of LC_ALL, LC_MESSAGES and LANG that
// is set and not empty ("de_AT.UTF-8"). A locale of "C" or "POSIX" overrules LANGUAGE.
// Gives the shipped language ("de"), or "" for English, which also stands for an English
// or an unshipped language.
QString chooseLanguage(const std::function<QString(const char*)>& environment, const QStringList& shipped);

// The language of this process's environment.
QString environmentLanguage();

// Installs the program's catalogue of `language` (from `programFolder`/translations) and
// Qt's own (the standard buttons), and routes the core's texts through them. "" or a
// missing catalogue leaves everything English. The translations stay installed while the
// returned object lives; it must not outlive the application object.
class ProgramTranslations {
public:
    ProgramTranslations(const std::string& programFolder, const QString& language);
    ~ProgramTranslations();
    ProgramTranslations(const ProgramTranslations&) = delete;
    ProgramTranslations& operator=(const ProgramTranslations&) = delete;

    // False when the program's catalogue of a non-English language could not be loaded.
    bool loaded() const { return m_loaded; }
    // The language the program's texts are in: the one asked for once its catalogue is
    // loaded, "" for English.
    const QString& language() const { return m_language; }

private:
    QString m_language;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;
    bool m_loaded = true;
};

} // namespace brisquel
