#include "Description.h"

#include "DescriptionText.h"

namespace typefinder {

QString ComposeDescription(PersonalityType type, Audience audience)
{
    const DescriptionText &text = descriptionText(type, audience);
    QString description = text.headingLine + u"\r\n\r\n";
    for (const HeadedLine &line : text.lines)
        description += u"  " + line.heading + line.text + u"\r\n";
    description += u"\r\n";
    for (QStringView piece : text.closing)
        description += piece;
    return description;
}

} // namespace typefinder
