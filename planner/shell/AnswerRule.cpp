#include "AnswerRule.h"

namespace planner {

bool isControlCharacter(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

QString admitted(AnswerMode mode, QStringView offered, qsizetype room)
{
    QString kept = offered.toString();
    if (!mode.oneLine)
        return kept.replace(QChar::LineSeparator, u'\n');
    kept.removeIf(isControlCharacter);
    if (mode.maxLength > 0 && kept.size() > room) {
        room = std::max<qsizetype>(0, room);
        if (room > 0 && kept.at(room - 1).isHighSurrogate())
            --room; // a character is kept whole or not at all
        kept.truncate(room);
    }
    return kept;
}

} // namespace planner
