#pragma once

#include <QString>

namespace typefinder {

// The About window's text: five paragraphs, an empty line between them.
QString aboutText();

} // namespace typefinder
