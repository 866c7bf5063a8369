#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <ostream>

using Qt::StringLiterals::operator""_s;

// Readable QStrings in test failures.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// An expected text written a line of text to a string, joined with "\r\n".
inline QString lines(std::initializer_list<const char16_t *> lines)
{
    QStringList list;
    for (const char16_t *line : lines)
        list.append(QString::fromUtf16(line));
    return list.join(u"\r\n");
}

// The names for which `holds` is true, in order, joined with blanks.
template<typename Predicate>
QString namesWhere(std::initializer_list<const char *> names, Predicate holds)
{
    QStringList list;
    for (const char *name : names) {
        if (holds(name))
            list.append(QString::fromLatin1(name));
    }
    return list.join(u' ');
}
