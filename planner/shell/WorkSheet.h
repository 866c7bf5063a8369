#pragma once

#include <QString>

namespace planner {

struct PlannerState;

// The work sheet of a walked planner: each listed screen's heading in capitals
// and its answer. Line breaks are "\r\n"; there is none at the end.
QString workSheetText(const PlannerState &state);

} // namespace planner
