// The window in each shipped language and in English, and the catalogues themselves. The
// window is built after the catalogue is installed, as the program does at its start, and
// the core's texts (the start click's message) come through the same catalogue.
#include "main_window_fixture.h"

#include "engine/batch_report.h"
#include "process/core_text.h"
#include "settings/frm_options.h"
#include "ui/main_window_layout.h"
#include "ui/program_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace brisquel {
namespace {

using test::MainWindowFixture;

struct LanguageCase
{
    const char* name;
    std::map<std::string, QString> environment;
    QString expected;
};

void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }

class ChooseLanguageTest : public testing::TestWithParam<LanguageCase>
{
};

TEST_P(ChooseLanguageTest, FollowsTheEnvironmentAsGettextDoes)
{
    const LanguageCase& c = GetParam();
    const auto environment = [&c](const char* name) {
        const auto found = c.environment.find(name);
        return found == c.environment.end() ? QString() : found->second;
    };
    EXPECT_EQ(chooseLanguage(environment, shippedLanguages()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, ChooseLanguageTest,
    testing::Values(LanguageCase{"NothingSet", {}, ""}, LanguageCase{"LangC", {{"LANG", "C"}}, ""},
                    LanguageCase{"LangCUtf8", {{"LANG", "C.UTF-8"}}, ""},
                    LanguageCase{"LangPosix", {{"LANG", "POSIX"}}, ""},
                    LanguageCase{"LangGerman", {{"LANG", "de_DE.UTF-8"}}, "de"},
                    LanguageCase{"LangWithModifier", {{"LANG", "fr_BE.UTF-8@euro"}}, "fr"},
                    LanguageCase{"LangUnshipped", {{"LANG", "it_IT.UTF-8"}}, ""},
                    LanguageCase{"LangEnglish", {{"LANG", "en_GB.UTF-8"}}, ""},
                    LanguageCase{"LcMessagesOverLang", {{"LC_MESSAGES", "es_MX.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "es"},
                    LanguageCase{"LcAllOverLcMessages", {{"LC_ALL", "fr_FR.UTF-8"}, {"LC_MESSAGES", "es_ES.UTF-8"}}, "fr"},
                    LanguageCase{"EmptyLcAllSkipped", {{"LC_ALL", ""}, {"LANG", "es_ES.UTF-8"}}, "es"},
                    LanguageCase{"LanguageOverLocale", {{"LANGUAGE", "de"}, {"LANG", "fr_FR.UTF-8"}}, "de"},
                    LanguageCase{"LanguageAlone", {{"LANGUAGE", "es"}}, "es"},
                    LanguageCase{"LanguageListFirstShipped", {{"LANGUAGE", "pt_BR:it:fr:de"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
                    LanguageCase{"LanguageEnglishFirst", {{"LANGUAGE", "en_US:de"}, {"LANG", "de_DE.UTF-8"}}, ""},
                    LanguageCase{"CLocaleOverrulesLanguage", {{"LANGUAGE", "de"}, {"LC_ALL", "C"}}, ""}),
    [](const testing::TestParamInfo<LanguageCase>& info) { return std::string(info.param.name); });

// What a user of each language reads in the window, its start message and the options
// dialog: painted captions are checked through the tooltips that repeat them.
struct WindowTexts
{
    const char* language;
    QString title, helpLink, settingTip, formatName, firstUnit, dropHint, startTitle, startText, optionsTitle, backText,
        firstFileType, lastFileType;
};

void PrintTo(const WindowTexts& c, std::ostream* os) { *os << (*c.language ? c.language : "English"); }

class TranslatedWindowTest : public testing::TestWithParam<WindowTexts>, public MainWindowFixture
{
};

TEST_P(TranslatedWindowTest, ShowsTheLanguagesTexts)
{
    const WindowTexts& c = GetParam();
    const ProgramTranslations translations(QCoreApplication::applicationDirPath().toStdString(),
                                           QString::fromLatin1(c.language));
    ASSERT_TRUE(translations.loaded());
    auto w = start();
    EXPECT_EQ(w->windowTitle(), c.title);
    EXPECT_EQ(control<QLabel>(*w, "lblWeb")->text(), c.helpLink);
    EXPECT_TRUE(control<QWidget>(*w, "imgToolbar2")->toolTip().startsWith(c.settingTip))
        << control<QWidget>(*w, "imgToolbar2")->toolTip().toStdString();
    EXPECT_EQ(control<QWidget>(*w, "cmbOF")->accessibleName(), c.formatName);
    EXPECT_EQ(control<QComboBox>(*w, "cmbUnit")->itemText(0), c.firstUnit);
    EXPECT_EQ(control<QLabel>(*w, "lblText")->text(), c.dropHint);

    click(*w, layout::Convert.center());
    ASSERT_EQ(desktop.messages.size(), 1u);
    EXPECT_EQ(desktop.messages[0].title, c.startTitle);
    EXPECT_EQ(desktop.messages[0].text, c.startText);

    frmOptions options(desktop, dir.path());
    EXPECT_EQ(options.windowTitle(), c.optionsTitle);
    EXPECT_EQ(options.findChild<QPushButton*>(QStringLiteral("Command2"))->text(), c.backText);

    desktop.fileAnswers.push_back(std::nullopt);
    click(*w, layout::Toolbar[0].center());
    ASSERT_EQ(desktop.fileRequests.size(), 1u);
    EXPECT_EQ(desktop.fileRequests[0].filters.front(), c.firstFileType);
    EXPECT_EQ(desktop.fileRequests[0].filters.back(), c.lastFileType);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, TranslatedWindowTest,
    testing::Values(WindowTexts{"", "Brisquel - Ver 1.0.0", "Brisquel - Help", "Setting", "Output format", "Seconds", "Drag & Drop Files Here",
                                "Add", "Please add a file", "Options", "Back", "MP3 Audio (*.mp3)", "All Media Formats (*)"},
                    WindowTexts{"de", "Brisquel - Version 1.0.0", "Brisquel - Hilfe", "Optionen", "Ausgabeformat", "Sekunden",
                                "Dateien hierher ziehen", "Hinzufügen", "Bitte fügen Sie eine Datei hinzu", "Optionen",
                                "Zurück", "MP3-Audio (*.mp3)", "Alle Medienformate (*)"},
                    WindowTexts{"fr", "Brisquel - Version 1.0.0", "Brisquel - Aide", "Réglages", "Format de sortie", "Secondes",
                                "Déposez les fichiers ici", "Ajouter", "Veuillez ajouter un fichier", "Options",
                                "Retour", "Audio MP3 (*.mp3)", "Tous les formats multimédias (*)"},
                    WindowTexts{"es", "Brisquel - Versión 1.0.0", "Brisquel - Ayuda", "Ajustes", "Formato de salida", "Segundos",
                                "Arrastre archivos aquí", "Añadir", "Añada un archivo", "Opciones", "Volver",
                                "Audio MP3 (*.mp3)", "Todos los formatos multimedia (*)"}),
    [](const testing::TestParamInfo<WindowTexts>& info) {
        return std::string(*info.param.language ? info.param.language : "English");
    });

TEST(TranslatedWindowTest, LeavesTheCoreEnglishOnceTheCatalogueIsGone)
{
    {
        const ProgramTranslations translations(QCoreApplication::applicationDirPath().toStdString(),
                                               QStringLiteral("de"));
        ASSERT_EQ(CoreText("BatchDriver", "Stopped."), "Angehalten.");
    }
    EXPECT_EQ(CoreText("BatchDriver", "Stopped."), "Stopped.");
    EXPECT_EQ(QCoreApplication::translate("Skin", "START NOW!"), "START NOW!");
}

TEST(TranslatedWindowTest, AnUnshippedLanguageLoadsNothing)
{
    const ProgramTranslations translations(QCoreApplication::applicationDirPath().toStdString(), QStringLiteral("xx"));
    EXPECT_FALSE(translations.loaded());
    EXPECT_EQ(CoreText("BatchDriver", "Stopped."), "Stopped.");
}

// The report keeps its columns in line when the labels are translated: French has the
// widest labels, with accents and a no-break space before the colon.
TEST(TranslatedReportTest, LinesUpTheTranslatedLabels)
{
    const ProgramTranslations translations(QCoreApplication::applicationDirPath().toStdString(), QStringLiteral("fr"));
    ASSERT_TRUE(translations.loaded());
    BatchOutcome outcome;
    outcome.started = std::chrono::system_clock::from_time_t(1'765'380'000);
    outcome.ended = outcome.started + std::chrono::seconds(65);
    outcome.settings = {"MP3", "128", "44100", "2 canaux", "30 secondes", "/home/u/sortie"};
    outcome.stopped = true;
    outcome.files = {{"/in/a.mp3", FileResult::Converted, {}, {"a00000.mp3", "a00001.mp3"}},
                     {"/in/c.wav", FileResult::Warning, "court", {"c00000.mp3"}},
                     {"/in/e.mp3", FileResult::Failed, "", {}},
                     {"/in/g.mp3", FileResult::NotStarted, {}, {}}};
    EXPECT_EQ(BatchReportText(outcome, test::utcTime),
              "Rapport de lot Brisquel\n\n"
              "Début\u00a0:    2025-12-10 15:20:00\n"
              "Fin\u00a0:      2025-12-10 15:21:05 (arrêté)\n"
              "Format\u00a0:   MP3, 128 kbit/s, 44100 Hz, 2 canaux\n"
              "Découpe\u00a0:  30 secondes\n"
              "Sortie\u00a0:   /home/u/sortie\n\n"
              "converti      a.mp3 -> 2 segments: a00000.mp3, a00001.mp3\n"
              "converti      c.wav -> 1 segment: c00000.mp3\n"
              "avertissement c.wav: court\n"
              "échec         e.mp3: aucune sortie n'a été écrite\n"
              "non commencé  g.mp3\n\n"
              "2 convertis, 1 en échec, 1 avec avertissement, 1 restés dans la liste\n");
}

// One message of a catalogue: its source, its translation and the state lupdate gave it.
struct CatalogueEntry
{
    QString context, source, translation, type;
};

std::vector<CatalogueEntry> readCatalogue(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<CatalogueEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            entries.push_back({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source"))
            entries.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == QLatin1String("translation")) {
            entries.back().type = xml.attributes().value(QLatin1String("type")).toString();
            entries.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return entries;
}

std::multiset<QString> markers(const QString& text)
{
    std::multiset<QString> found;
    for (auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

class CatalogueTest : public testing::TestWithParam<const char*>
{
};

// lupdate runs over the sources into a copy of the catalogue: a text added to the code
// would come out unfinished, a text gone from it vanished.
TEST_P(CatalogueTest, TranslatesEveryTextOfTheCodeAndNothingElse)
{
    const QString name = QStringLiteral("brisquel_%1.ts").arg(QLatin1String(GetParam()));
    const QString shipped = QStringLiteral(BRISQUEL_SOURCE_DIR "/translations/") + name;
    test::TempDir dir;
    const QString updated = QString::fromStdString(dir / name.toStdString());
    ASSERT_TRUE(QFile::copy(shipped, updated));
    QProcess lupdate;
    lupdate.start(QStringLiteral(BRISQUEL_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral("-tr-function-alias"), QStringLiteral("translate+=CoreText,QT_TRANSLATE_NOOP+=CORE_TEXT_NOOP"),
                   QStringLiteral(BRISQUEL_SOURCE_DIR "/src"), QStringLiteral("-ts"), updated});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    for (const QString& path : {shipped, updated}) {
        const auto entries = readCatalogue(path);
        EXPECT_GT(entries.size(), 100u);
        for (const CatalogueEntry& entry : entries) {
            const std::string where = path.toStdString() + ": " + entry.context.toStdString() + ": "
                                    + entry.source.toStdString();
            EXPECT_EQ(entry.type, QString()) << where;
            EXPECT_FALSE(entry.translation.isEmpty()) << where;
            EXPECT_EQ(markers(entry.translation), markers(entry.source)) << where;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, CatalogueTest, testing::Values("de", "es", "fr"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
} // namespace brisquel
