#include "AnswerHistory.h"
#include "AnswerPieces.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

// Undoes every step there is, then redoes them, applying each change to `text`.
QStringList walkBackAndForth(AnswerHistory &history, QString text)
{
    QStringList seen{text};
    const auto apply = [&](const TextChange &c) {
        EXPECT_EQ(text.sliced(c.at, c.removed.size()), c.removed);
        seen.append(text.replace(c.at, c.removed.size(), c.inserted));
    };
    while (const auto change = history.undo())
        apply(*change);
    while (const auto change = history.redo())
        apply(*change);
    return seen;
}

// Keys typed in a row are one step, as are characters deleted in a row at one place; a
// paragraph end, a paste and a key elsewhere each start another.
TEST(AnswerHistory, RunsOfKeysAreOneStepEach)
{
    AnswerHistory history;
    const TextChange changes[] = {
        {0, u""_s, u"a"_s}, {1, u""_s, u"b"_s},          {2, u""_s, u"\u2029"_s},
        {3, u""_s, u"c"_s}, {4, u""_s, u"\U0001F600"_s}, {3, u""_s, u"Z"_s},
        {4, u"c"_s, u""_s}, {4, u"\U0001F600"_s, u""_s}, {2, u"\u2029"_s, u""_s},
        {2, u"Z"_s, u""_s}, {0, u""_s, u"pasted"_s},     {7, u"b"_s, u""_s},
        {6, u"a"_s, u""_s},
    };
    for (const TextChange &change : changes)
        history.record(change);
    EXPECT_EQ(
        walkBackAndForth(history, u"pasted"_s),
        (QStringList{u"pasted"_s, u"pastedab"_s, u"ab"_s, u"ab\u2029Z"_s, u"ab\u2029Zc\U0001F600"_s,
                     u"ab\u2029c\U0001F600"_s, u"ab\u2029"_s, u"ab"_s, u""_s, u"ab"_s,
                     u"ab\u2029"_s, u"ab\u2029c\U0001F600"_s, u"ab\u2029Zc\U0001F600"_s,
                     u"ab\u2029Z"_s, u"ab"_s, u"pastedab"_s, u"pasted"_s}));
}

// A change after an undo drops what could be redone, and starts a step of its own.
TEST(AnswerHistory, ANewChangeDropsWhatCouldBeRedone)
{
    AnswerHistory history;
    history.record({0, u""_s, u"one "_s});
    history.record({4, u""_s, u"t"_s});
    history.record({5, u""_s, u"w"_s});
    history.undo();
    history.record({4, u""_s, u"x"_s}); // typed after an undo: a step of its own
    EXPECT_EQ(walkBackAndForth(history, u"one x"_s),
              (QStringList{u"one x"_s, u"one "_s, u""_s, u"one "_s, u"one x"_s}));
    history.clear();
    EXPECT_FALSE(history.canUndo() || history.canRedo());
}

// Seams stand for the last space before a word, never empty a piece and leave pieces of at
// most LongestPiece; a paragraph that fits one piece, or has no space to seam, stays whole.
TEST(AnswerPieces, SeamsAreSpacesBeforeWords)
{
    QString words;
    for (int i = 0; words.size() < 5 * LongestPiece; ++i)
        words += u"word" + QString::number(i) + (i % 5 ? u" " : u"  ");
    const QString text = u"short\u2029"_s + words + u'\u2029' + QString(3 * LongestPiece, u'x');
    for (const qsizetype head : {qsizetype(0), qsizetype(6000), LongestPiece}) {
        const QList<qsizetype> seams = seamsFor(text, head);
        qsizetype start = 6 - head;
        for (const qsizetype seam : seams) {
            EXPECT_TRUE(text[seam] == u' ' && !text[seam + 1].isSpace());
            EXPECT_GT(seam, start);
            EXPECT_LE(seam - std::max<qsizetype>(start, 0), LongestPiece);
            start = seam + 1;
        }
        EXPECT_GE(seams.size(), 4);
        EXPECT_LE(6 + words.size() - start, LongestPiece);
    }
    EXPECT_TRUE(
        seamsFor(QString(u"short words\u2029"_s + QString(3 * LongestPiece, u'x')), 0).isEmpty());
    // No space before the piece is full: the search goes on to the last of the next spaces.
    const QString late = QString(PieceLength + 11, u'x') + u"   " + words;
    EXPECT_EQ(seamsFor(late, 0).value(0), PieceLength + 13);
}

} // namespace
