#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace platform {
class MessageBoxes;
class Platform;
} // namespace platform

namespace planner {

struct PlannerState;

// The file name of a saved work sheet, from the name given to the plan:
// its first 20 characters without any "\" or "/", control characters or
// line breaks, and without leading dots, which would hide the file. When
// nothing visible is left, the sheet is called "Work Sheet".
QString workSheetBaseName(const QString &workName);

// Where the work sheet is saved: in the "Docs" folder beside the program, the
// file named after the plan, unless a file this plan has not `saved` is there;
// then the first free "name (2).doc", "name (3).doc"... beside it.
QString workSheetPath(const QString &programFolder, const QString &workName,
                      const QStringList &saved, const std::function<bool(const QString &)> &exists);

// What the file holds: the sheet as shown, then the post-mortem questions.
QString workSheetFileText(const QString &sheet);

// The Save to Disk button: asks, naming the file, then stores the sheet. It
// replaces only a file this plan saved before; a failure is told, and a file
// it would replace stays whole.
void SaveWorkSheet(PlannerState &state, const QString &sheet, platform::Platform &platform,
                   platform::MessageBoxes &boxes);

} // namespace planner
