#pragma once

#include "PlannerState.h"
#include "ScreenTable.h"

#include <QString>

#include <functional>

namespace platform {
class Platform;
}

namespace planner {

class PlannerView;

// Joins a screen's pieces into its guidance text. `programFolder` is asked
// only when a folder line needs it.
QString composeGuidance(const std::vector<Piece> &pieces,
                        const std::function<QString()> &programFolder);

// Writes the table's screens into entries 1 to N of a state that startTool()
// prepared, sets screenEnd to N + 1 and shows the first screen without the
// answer box.
void buildScript(const ScreenTable &table, PlannerState &state, PlannerView &view,
                 const platform::Platform &platform);

void BuildPresentationScript(PlannerState &state, PlannerView &view,
                             const platform::Platform &platform);
void BuildMeetingScript(PlannerState &state, PlannerView &view, const platform::Platform &platform);
void BuildStrategyScript(PlannerState &state, PlannerView &view,
                         const platform::Platform &platform);
void BuildPhoneCallScript(PlannerState &state, PlannerView &view,
                          const platform::Platform &platform);

// Runs the builder of `tool`.
void buildScript(PlannerTool tool, PlannerState &state, PlannerView &view,
                 const platform::Platform &platform);

} // namespace planner
