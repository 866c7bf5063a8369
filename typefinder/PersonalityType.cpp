#include "PersonalityType.h"

namespace typefinder {

QString typeLetter(PersonalityType type)
{
    static constexpr std::array<char16_t, 4> letters{u'I', u'E', u'F', u'D'};
    return QString(QChar(letters[int(type)]));
}

std::optional<PersonalityType> typeFromLetter(const QString &letter)
{
    for (PersonalityType type : allTypes) {
        if (letter == typeLetter(type))
            return type;
    }
    return std::nullopt;
}

} // namespace typefinder
