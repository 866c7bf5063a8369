#pragma once

#include <QString>

namespace planner {

// The About box's text: its five items, each after its run of blanks, with
// an empty line between them.
QString aboutText();

} // namespace planner
