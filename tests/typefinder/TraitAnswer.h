#pragma once

#include "TraitTable.h"

// The answer button (1 to 4) of question `q` (from 0) whose trait is of the type
// `letter`; 0, "Don't Know", for any other letter ("-").
inline int traitAnswer(int q, QChar letter)
{
    int choice = 0;
    for (int16_t i = 1; i <= 4; ++i)
        choice =
            typefinder::LoadTraitTable().row(int16_t(q * 4 + i)).typeLetter == letter ? i : choice;
    return choice;
}
