#pragma once

#include <QString>

namespace platform {
class Platform;
}

namespace planner {

// The file name of a saved work sheet, from the name given to the plan:
// its first 20 characters without any "\" or "/", control characters or
// line breaks, and without leading dots, which would hide the file. When
// nothing visible is left, the sheet is called "Work Sheet".
QString workSheetBaseName(const QString &workName);

// Where the work sheet is saved: the "Docs" folder beside the program.
QString workSheetPath(const QString &programFolder, const QString &workName);

// What the file holds: the sheet as shown, then the post-mortem questions.
QString workSheetFileText(const QString &sheet);

// The Save to Disk button: asks, then stores the sheet, replacing an earlier
// file of that name. A failure is told and the earlier file stays whole.
void SaveWorkSheet(const QString &workName, const QString &sheet, platform::Platform &platform);

} // namespace planner
