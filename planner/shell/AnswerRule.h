#pragma once

#include "PlannerView.h"

#include <QString>

namespace planner {

// Line breaks, tabs, escapes, NUL: nothing a one-line name can hold or a file
// name should carry.
bool isControlCharacter(QChar c);

// What the answer box takes of `offered` where `room` characters are left
// (any number when the mode has no limit). A free answer takes everything,
// each line break it shows as a paragraph end; a name takes one line without
// control characters, and whole characters up to the room.
QString admitted(AnswerMode mode, QStringView offered, qsizetype room);

} // namespace planner
