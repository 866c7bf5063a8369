#pragma once

#include "PersonalityType.h"

#include <QStringView>

namespace typefinder {

// The captions of Steps 2 and 3 as the chosen audience reads them.
struct AudienceCaptions
{
    QStringView step2Frame;
    QStringView fast; // Option3
    QStringView slow; // Option4
    QStringView detailedTest; // Option8
    QStringView step3Frame;
};

const AudienceCaptions &audienceCaptions(Audience audience);

// The two Step 3 questions after the fast or the slow Step 2 answer.
struct Step3Captions
{
    QStringView first; // Option5
    QStringView second; // Option6
};

Step3Captions step3Captions(bool fast, Audience audience);

} // namespace typefinder
