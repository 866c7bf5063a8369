#include "AboutText.h"

#include "VelkinTexts.h"

#include <QStringList>

namespace typefinder {

QString aboutText()
{
    QStringList paragraphs;
    for (const QStringView paragraph : texts::AboutParagraphs)
        paragraphs.append(paragraph.toString());
    return paragraphs.join(u"\r\n\r\n");
}

} // namespace typefinder
