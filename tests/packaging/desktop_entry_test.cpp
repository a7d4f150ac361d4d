// The desktop entry offers Brisquel for what the open dialog's filter names, so that a file
// manager's "Open With" and Add File agree; a format added to one is missed in the other.
#include "ui/add_file.h"

#include "test_support.h"

#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

namespace brisquel {
namespace {

QSet<QString> entryMimeTypes()
{
    const QString entry = QString::fromStdString(test::readFile(BRISQUEL_DESKTOP_ENTRY));
    const auto line = QRegularExpression(QStringLiteral("^MimeType=(.*)$"), QRegularExpression::MultilineOption).match(entry);
    QSet<QString> types;
    for (const QString& type : line.captured(1).split(u';', Qt::SkipEmptyParts))
        types.insert(type);
    return types;
}

TEST(DesktopEntryTest, OffersEveryTypeThatTheOpenDialogFilterNames)
{
    const QSet<QString> types = entryMimeTypes();
    ASSERT_FALSE(types.isEmpty());
    const QMimeDatabase database;
    for (const QString& type : types)
        EXPECT_TRUE(database.mimeTypeForName(type).isValid()) << "unknown type " << type.toStdString();

    const auto patterns = QRegularExpression(QStringLiteral("\\|\\*\\.(\\w+)")).globalMatch(AddFileFilter());
    int extensions = 0;
    for (auto match = patterns; match.hasNext(); ++extensions) {
        const QString extension = match.next().captured(1);
        const QMimeType type = database.mimeTypeForFile(QStringLiteral("name.") + extension, QMimeDatabase::MatchExtension);
        QStringList names = type.aliases();
        names << type.name();
        EXPECT_TRUE(std::any_of(names.begin(), names.end(), [&](const QString& name) { return types.contains(name); }))
            << "." << extension.toStdString() << " (" << type.name().toStdString() << ") is not offered";
    }
    EXPECT_GT(extensions, 10) << "the filter's patterns were not found";
}

} // namespace
} // namespace brisquel
