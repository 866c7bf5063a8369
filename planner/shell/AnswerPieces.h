#pragma once

#include <QList>
#include <QStringView>

namespace planner {

// Qt lays out a changed paragraph whole, so the answer box holds a long one as
// pieces, one block of its document each, and a key costs the layout of its
// piece only. A seam between two pieces stands for a space at which a line
// ends, so the pieces show as the paragraph's own lines would.

// New seams lie about this far apart; a piece grown past twice that is divided.
inline constexpr qsizetype PieceLength = 8192;
inline constexpr qsizetype LongestPiece = 2 * PieceLength;

// Whether the space at `at` can stand for a seam: a line may end after it and
// the next line start with what follows, neither of them empty.
bool canSeamAt(QStringView text, qsizetype at);

// Where seams divide `text`, paragraphs ended by U+2029, for the box to hold it
// in pieces of about PieceLength; its first paragraph continues a piece of
// `head` characters. Paragraphs that fit in one piece are left whole.
QList<qsizetype> seamsFor(QStringView text, qsizetype head);

} // namespace planner
