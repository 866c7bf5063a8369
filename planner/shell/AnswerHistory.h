#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace planner {

// One change to an answer's text: at `at`, `removed` gave way to `inserted`.
struct TextChange
{
    qsizetype at = 0;
    QString removed;
    QString inserted;

    bool operator==(const TextChange &) const = default;
};

// Undo and redo for the answer box, kept as changes to its text: how the box
// divides a long paragraph for showing is its own affair, not a step to take
// back. Characters typed one after another make one step, as do characters
// deleted one after another at one place; a paragraph end, a paste or a cut
// is a step of its own.
class AnswerHistory
{
public:
    void record(TextChange change);
    // The change that takes the last step back, or brings the next one again.
    std::optional<TextChange> undo();
    std::optional<TextChange> redo();
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    void clear();

private:
    enum Run { Closed, Typing, Deleting };
    bool merged(const TextChange &change);

    std::vector<TextChange> m_steps;
    size_t m_done = 0;
    Run m_run = Closed;
};

} // namespace planner
