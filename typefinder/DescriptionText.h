#pragma once

#include "PersonalityType.h"

#include <QStringView>

#include <vector>

namespace typefinder {

struct HeadedLine
{
    QStringView heading; // capitals ending in a colon, e.g. u"MEETINGS:"
    QStringView text; // one to five blanks, then one sentence
};

// The written content of one description; ComposeDescription lays it out.
struct DescriptionText
{
    QStringView headingLine;
    std::vector<HeadedLine> lines;
    std::vector<QStringView>
        closing; // u"  SUMMARY: ..." first, then pieces that each begin with a blank
};

const DescriptionText &descriptionText(PersonalityType type, Audience audience);

} // namespace typefinder
