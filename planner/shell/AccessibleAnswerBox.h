#pragma once

namespace planner {

// Makes a screen reader read the answer box through an interface of its own,
// which gives the text as AnswerBox::text() holds it (each seam the space it
// stands for) and edits it through the box, which fits what comes in to its
// mode. Qt's interface for a plain text editor would read a seam as a line
// break and put text in unchecked.
void installAccessibleAnswerBox();

} // namespace planner
