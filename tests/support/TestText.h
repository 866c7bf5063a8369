#pragma once

#include <QString>

#include <ostream>

using Qt::StringLiterals::operator""_s;

// Readable QStrings in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
