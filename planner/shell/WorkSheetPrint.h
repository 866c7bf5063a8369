#pragma once

#include <QString>

namespace platform {
class MessageBoxes;
class Platform;
class TextPrinter;
} // namespace platform

namespace planner {

struct PlannerState;

// The printed work sheet, laid out from the planner's answers (edits made in
// the sheet box are not printed): a dated heading, then each section with
// a rule line under it, then the post-mortem question.
void layOutWorkSheet(const PlannerState &state, const QString &date,
                     platform::TextPrinter &printer);

// The Print button: asks, then prints one job on the default printer. A
// failing printer is told once and the job is given up.
void PrintWorkSheet(const PlannerState &state, platform::Platform &platform,
                    platform::MessageBoxes &boxes);

} // namespace planner
