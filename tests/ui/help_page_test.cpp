// The help page in each shipped language: beside the program, built like the English page,
// and the one Help opens while the window speaks that language.
#include "main_window_fixture.h"

#include "ui/help_page.h"
#include "ui/main_window_layout.h"
#include "ui/program_language.h"

#include <QLabel>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

namespace brisquel {
namespace {

using test::MainWindowFixture;

std::string pagePath(const std::string& name) { return test::binFolder() + "/" + name; }

// The page's frame as a reader moves through it: its sections, lists and tables, the ids
// they carry and the links between them, without the words.
std::vector<std::string> skeleton(const std::string& html)
{
    static const QRegularExpression tag(QStringLiteral(
        R"re(<(header|main|nav|ol|ul|li|a|h1|h2|h3|table|tr|th|td|p)\b[^>]*?(?:\s(id|href)="([^"]*)")?[^>]*>)re"));
    std::vector<std::string> found;
    for (auto it = tag.globalMatch(QString::fromStdString(html)); it.hasNext();) {
        const auto match = it.next();
        found.push_back((match.captured(1) + QLatin1Char(' ') + match.captured(2) + QLatin1Char('=')
                         + match.captured(3)).toStdString());
    }
    return found;
}

std::set<std::string> captures(const std::string& html, const char* pattern)
{
    std::set<std::string> found;
    for (auto it = QRegularExpression(QLatin1String(pattern)).globalMatch(QString::fromStdString(html)); it.hasNext();)
        found.insert(it.next().captured(1).toStdString());
    return found;
}

std::vector<std::string> shipped()
{
    std::vector<std::string> languages;
    for (const QString& language : shippedLanguages())
        languages.push_back(language.toStdString());
    return languages;
}

class TranslatedHelpPageTest : public testing::TestWithParam<std::string>, public MainWindowFixture
{
protected:
    std::string page() const { return pagePath("brisquel." + GetParam() + ".html"); }
};

TEST_P(TranslatedHelpPageTest, IsBesideTheProgramBuiltAsTheEnglishPage)
{
    const std::string english = test::readFile(pagePath(HelpPageName));
    const std::string html = test::readFile(page());
    ASSERT_FALSE(html.empty()) << "the build puts " << page() << " beside the executable";

    EXPECT_NE(html.find("<html lang=\"" + GetParam() + "\">"), std::string::npos);
    EXPECT_EQ(captures(html, R"re(\sid="([^"]+)")re"), captures(english, R"re(\sid="([^"]+)")re"));
    EXPECT_EQ(captures(html, R"re(href="(#[^"]*)")re"), captures(english, R"re(href="(#[^"]*)")re"));
    EXPECT_EQ(skeleton(html), skeleton(english)) << "the same sections, lists and tables in the same order";
    EXPECT_EQ(captures(html, R"re((<link [^>]*>|<style))re"), captures(english, R"re((<link [^>]*>|<style))re"))
        << "the same style sheet, and no styles of its own";
    for (const char* external : {"http:", "https:", "src=\"//", "href=\"//", "@import", "url("})
        EXPECT_EQ(html.find(external), std::string::npos) << external;
}

TEST_P(TranslatedHelpPageTest, IsWhatHelpOpensInThatLanguage)
{
    const ProgramTranslations translations(test::binFolder(), QString::fromStdString(GetParam()));
    ASSERT_TRUE(translations.loaded());
    language = translations.language();
    auto w = start(test::binFolder());
    const QUrl expected = QUrl::fromLocalFile(QString::fromStdString(page()));

    EXPECT_EQ(control<QLabel>(*w, "lblWeb")->toolTip(), expected.toString()) << "the tooltip names the page Help opens";
    click(*w, layout::Web.center());
    click(*w, layout::Toolbar[3].center());
    EXPECT_EQ(desktop.openedUrls, (std::vector<QUrl>{expected, expected})) << "the label and the Help button";
}

INSTANTIATE_TEST_SUITE_P(Shipped, TranslatedHelpPageTest, testing::ValuesIn(shipped()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

class HelpPageFallbackTest : public testing::Test, public MainWindowFixture
{
};

// A program folder that lacks the language's page (an older install, a page removed by
// hand) still gets help, in English.
TEST_F(HelpPageFallbackTest, ALanguageWithoutItsPageOpensTheEnglishPage)
{
    language = QStringLiteral("de");
    auto w = start();
    const QUrl english = QUrl::fromLocalFile(QString::fromStdString(fakeProgram + "/" + HelpPageName));

    EXPECT_EQ(control<QLabel>(*w, "lblWeb")->toolTip(), english.toString());
    click(*w, layout::Web.center());
    EXPECT_EQ(desktop.openedUrls, std::vector<QUrl>{english});
}

} // namespace
} // namespace brisquel
