#pragma once

#include "TraitTable.h"

#include <QString>

namespace typefinder {

// What both windows of the type finder share for the whole run.
struct TypeFinderValues
{
    QString currentType; // the letter of the type on show, or empty
    QString testResult; // the letter the detailed test found, or empty
    TraitTable traitTable;
};

} // namespace typefinder
