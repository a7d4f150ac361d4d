#include "ui/program_language.h"

#include "process/core_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>

namespace brisquel {

namespace {

// "de_AT.UTF-8@euro" gives "de"; "C", "POSIX" and "C.UTF-8" give "C".
QString languageOf(const QString& locale)
{
    QString language = locale.section(u'.', 0, 0).section(u'@', 0, 0).section(u'_', 0, 0).toLower();
    return language == QLatin1String("c") || language == QLatin1String("posix") ? QStringLiteral("C") : language;
}

std::string translateCoreText(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}

} // namespace

QStringList shippedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
}

QString chooseLanguage(const std::function<QString(const char*)>& environment, const QStringList& shipped)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty())
            break;
    }
    // As gettext has it: a locale set to C asks for the program's own texts, whatever
    // LANGUAGE says.
    const QString localeLanguage = languageOf(locale);
    if (localeLanguage == QLatin1String("C"))
        return {};
    QStringList wanted = environment("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    if (wanted.isEmpty())
        wanted = {locale};
    for (const QString& entry : wanted) {
        const QString language = languageOf(entry);
        if (shipped.contains(language))
            return language;
        if (language == QLatin1String("en") || language == QLatin1String("C"))
            return {};
    }
    return {};
}

QString environmentLanguage()
{
    return chooseLanguage([](const char* name) { return QString::fromLocal8Bit(std::getenv(name)); },
                          shippedLanguages());
}

ProgramTranslations::ProgramTranslations(const std::string& programFolder, const QString& language)
{
    if (language.isEmpty())
        return;
    auto program = std::make_unique<QTranslator>();
    m_loaded = program->load(QStringLiteral("brisquel_") + language,
                             QString::fromStdString(programFolder) + QStringLiteral("/translations"));
    if (!m_loaded)
        return;
    m_program = std::move(program);
    m_language = language;
    QCoreApplication::installTranslator(m_program.get());
    // Qt's own texts (the message box's buttons) come from Debian's qt6-translations-l10n
    // when it is installed; without it they stay English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        m_qt = std::move(qt);
        QCoreApplication::installTranslator(m_qt.get());
    }
    SetCoreTextHook(translateCoreText);
}

ProgramTranslations::~ProgramTranslations()
{
    if (!m_program)
        return;
    SetCoreTextHook(nullptr);
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
    QCoreApplication::removeTranslator(m_program.get());
}

} // namespace brisquel
