#pragma once

#include <QString>
#include <QStringList>

namespace brisquel {

// "desc|pattern|desc|pattern..." in Qt's form, one "desc (pattern ...)" per pair. A pattern
// list "*.a;*.b" becomes "*.a *.b", and "*.*" becomes "*", which here also matches a name
// without a dot. A pattern already written into the description is not repeated.
QStringList qtFileFilters(const QString& filter);

} // namespace brisquel
