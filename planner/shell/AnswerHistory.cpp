#include "AnswerHistory.h"

namespace planner {

namespace {

bool isOneCharacter(const QString &text)
{
    return text.size() == 1 || (text.size() == 2 && text.front().isHighSurrogate());
}

} // namespace

void AnswerHistory::record(TextChange change)
{
    m_steps.resize(m_done);
    if (merged(change))
        return;
    const bool typed =
        isOneCharacter(change.inserted) && change.inserted != QChar::ParagraphSeparator;
    m_run = typed                                                     ? Typing
        : change.inserted.isEmpty() && isOneCharacter(change.removed) ? Deleting
                                                                      : Closed;
    m_steps.push_back(std::move(change));
    m_done = m_steps.size();
}

bool AnswerHistory::merged(const TextChange &change)
{
    if (m_run == Closed || m_steps.empty())
        return false;
    TextChange &last = m_steps.back();
    if (m_run == Typing && change.removed.isEmpty() && isOneCharacter(change.inserted)
        && change.inserted != QChar::ParagraphSeparator
        && change.at == last.at + last.inserted.size()) {
        last.inserted += change.inserted;
        return true;
    }
    if (m_run == Deleting && change.inserted.isEmpty() && isOneCharacter(change.removed)) {
        if (change.at == last.at) { // Delete
            last.removed += change.removed;
            return true;
        }
        if (change.at + change.removed.size() == last.at) { // Backspace
            last.removed.prepend(change.removed);
            last.at = change.at;
            return true;
        }
    }
    return false;
}

std::optional<TextChange> AnswerHistory::undo()
{
    m_run = Closed;
    if (!canUndo())
        return std::nullopt;
    const TextChange &step = m_steps[--m_done];
    return TextChange{step.at, step.inserted, step.removed};
}

std::optional<TextChange> AnswerHistory::redo()
{
    m_run = Closed;
    if (!canRedo())
        return std::nullopt;
    return m_steps[m_done++];
}

void AnswerHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_run = Closed;
}

} // namespace planner
