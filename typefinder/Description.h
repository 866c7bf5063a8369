#pragma once

#include "PersonalityType.h"

#include <QString>

namespace typefinder {

// How to deal with a type, for this audience: a heading line, the headed
// lines and a closing paragraph. Line breaks are "\r\n"; none at the end.
QString ComposeDescription(PersonalityType type, Audience audience);

} // namespace typefinder
