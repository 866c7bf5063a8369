#include "AboutText.h"

#include "ShellTexts.h"

namespace planner {

QString aboutText()
{
    QString text;
    for (const texts::AboutItem &item : texts::AboutItems) {
        if (!text.isEmpty())
            text += u"\r\n\r\n";
        text += QString(item.blanks, u' ') + item.text;
    }
    return text;
}

} // namespace planner
