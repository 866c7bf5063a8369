#pragma once

#include <QAccessible>
#include <QTextBlock>
#include <QTextDocument>

namespace planner {

// How the answer box marks its pieces (AnswerPieces.h) in its document: the
// user state of a block that continues the paragraph of the block before,
// after a seam, and of one whose seam is where the paragraph's own line ends.
inline constexpr int Continues = 1;
inline constexpr int Settled = 2;

inline bool continues(const QTextBlock &block)
{
    return block.isValid() && block.userState() >= Continues;
}

// The seams before and after the blocks from `from` to `to` may no longer be where lines end.
inline void unsettle(const QTextDocument &document, int from, int to)
{
    for (QTextBlock block : {document.findBlock(from), document.findBlock(to).next()}) {
        if (block.userState() == Settled)
            block.setUserState(Continues);
    }
}

// The box's own changes to its document, counted in `edits`: not the user's,
// so not a step in the history, and told to assistive tools by the box as the
// text they change, seams as spaces, or not at all where only the pieces change.
class OwnEdit
{
public:
    explicit OwnEdit(int &edits)
        : m_edits(++edits)
        , m_previous(QAccessible::installUpdateHandler([](QAccessibleEvent *) {}))
    { }
    ~OwnEdit()
    {
        --m_edits;
        QAccessible::installUpdateHandler(m_previous);
    }
    OwnEdit(const OwnEdit &) = delete;
    OwnEdit &operator=(const OwnEdit &) = delete;

private:
    int &m_edits;
    QAccessible::UpdateHandler m_previous;
};

} // namespace planner
