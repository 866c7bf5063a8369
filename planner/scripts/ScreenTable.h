#pragma once

#include <QStringView>

#include <vector>

namespace planner {

// How a guidance piece joins the text built before it.
enum class Join {
    Paragraph, // the first piece: one line break before it; any later piece: a blank line
    Line, // one line break, no blank line
    Flush, // nothing: the guidance starts directly with this piece
    IndentedParagraph, // a blank line, then five blanks
    IndentedLine, // one line break, then five blanks
    FolderLine, // one line break, the piece, the program folder, then "/Docs  ] directory."
};

struct Piece
{
    Join join;
    QStringView text;
};

enum class Answer { No, Yes };

struct ScreenRow
{
    QStringView title;
    Answer takesAnswer;
    std::vector<Piece> pieces;
};

// One planner as data: its window caption and its screens in order.
struct ScreenTable
{
    QStringView windowCaption;
    std::vector<ScreenRow> rows;
};

// A closing screen's pieces followed by where its file is stored and how to
// format it in Word, as the Meeting, Strategy and Phone Call Planners end.
std::vector<Piece> withFileNotes(std::initializer_list<Piece> pieces);

const ScreenTable &presentationScreens();
const ScreenTable &meetingScreens();
const ScreenTable &strategyScreens();
const ScreenTable &phoneCallScreens();

} // namespace planner
