#pragma once

#include <QString>

// Help files are HTML in UTF-8, one <section id="N"> per topic, N its context
// number; links between topics read href="#N".
namespace help {

// The topic's HTML, or an empty text when the file has no such topic.
QString topic(const QString &file, int context);

// The context number a link leads to, or 0 when it leads to no topic.
int linkedContext(const QString &link);

} // namespace help
