#include "AccessibleAnswerBox.h"

#include "AnswerBox.h"

#include <QAccessibleWidget>
#include <QTextBoundaryFinder>
#include <QTextCursor>

namespace planner {

namespace {

class AccessibleAnswerBox : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface
{
public:
    explicit AccessibleAnswerBox(AnswerBox *box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? text(0, characterCount()) : QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.multiLine = !box()->mode().oneLine;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int *start, int *end) const override
    {
        const QTextCursor cursor = box()->textCursor();
        const bool selected = index == 0 && cursor.hasSelection();
        *start = selected ? cursor.selectionStart() : 0;
        *end = selected ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            setCursorPosition(cursorPosition());
    }
    void setSelection(int index, int start, int end) override
    {
        if (index != 0)
            return;
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(clamped(start));
        cursor.setPosition(clamped(end), QTextCursor::KeepAnchor);
        box()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }

    QString text(int start, int end) const override
    {
        return box()->text(clamped(start), clamped(end), u"\n");
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                             int *end) const override
    {
        const int before = bounds(offset, type).first - 1;
        return before < 0 ? found({0, 0}, start, end) : found(bounds(before, type), start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                            int *end) const override
    {
        const int after = bounds(offset, type).second;
        return after >= characterCount() ? found({after, after}, start, end)
                                         : found(bounds(after, type), start, end);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *start,
                         int *end) const override
    {
        return found(bounds(offset, type), start, end);
    }
    int characterCount() const override { return box()->length(); }

    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(box()->document());
        cursor.setPosition(clamped(offset));
        QRect area = box()->cursorRect(cursor);
        area.setWidth(box()->fontMetrics().horizontalAdvance(text(offset, offset + 1)));
        return {box()->viewport()->mapToGlobal(area.topLeft()), area.size()};
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = box()->viewport()->mapFromGlobal(point);
        return box()->viewport()->rect().contains(inside)
            ? box()->cursorForPosition(inside).position()
            : -1;
    }
    void scrollToSubstring(int start, int end) override
    {
        box()->showPosition(clamped(end));
        box()->showPosition(clamped(start));
    }
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = 0;
        *end = offset < 0 || offset > characterCount() ? 0 : characterCount();
        return {};
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (box()->isReadOnly())
            return;
        const auto [from, to] = std::minmax({clamped(start), clamped(end)});
        box()->replace(from, to, text);
    }

private:
    AnswerBox *box() const { return static_cast<AnswerBox *>(widget()); }
    int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }

    QString found(std::pair<int, int> range, int *start, int *end) const
    {
        *start = range.first;
        *end = range.second;
        return text(range.first, range.second);
    }

    // Lines are those shown; a sentence and a paragraph run on over the seams.
    std::pair<int, int> bounds(int offset, QAccessible::TextBoundaryType type) const
    {
        offset = clamped(offset);
        if (type == QAccessible::LineBoundary)
            box()->settleAround(offset); // as it would show
        if (type != QAccessible::ParagraphBoundary && type != QAccessible::SentenceBoundary) {
            QTextCursor cursor(box()->document());
            cursor.setPosition(offset);
            return QAccessible::qAccessibleTextBoundaryHelper(cursor, type);
        }
        const auto [first, last] = box()->paragraphAt(offset);
        if (type == QAccessible::ParagraphBoundary)
            return {first, last};
        const QString paragraph = text(first, last);
        QTextBoundaryFinder sentences(QTextBoundaryFinder::Sentence, paragraph);
        sentences.setPosition(offset - first);
        const qsizetype from =
            sentences.isAtBoundary() ? sentences.position() : sentences.toPreviousBoundary();
        sentences.setPosition(offset - first);
        const qsizetype to = sentences.toNextBoundary();
        return {first + int(std::max<qsizetype>(from, 0)), to < 0 ? last : first + int(to)};
    }
};

QAccessibleInterface *answerBoxInterface(const QString &className, QObject *object)
{
    auto *box = qobject_cast<AnswerBox *>(object);
    return box && className == u"planner::AnswerBox" ? new AccessibleAnswerBox(box) : nullptr;
}

} // namespace

void installAccessibleAnswerBox()
{
    static const bool installed = [] {
        QAccessible::installFactory(answerBoxInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace planner
