#pragma once

#include <QString>

namespace planner {

struct PlannerState;

// The work sheet of a walked planner: the naming screen first, then every
// later screen before currentScreen, optional sections only when answered.
// Line breaks are "\r\n"; there is none at the end.
QString workSheetText(const PlannerState &state);

} // namespace planner
