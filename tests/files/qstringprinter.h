// Lets failing comparisons of QString show the text instead of the bytes.
// Every test file of an executable that compares QStrings must include it,
// or the printers instantiated without it may be the ones that get linked.
#pragma once

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE
