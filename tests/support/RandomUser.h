#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <iostream>
#include <random>

// A user who does anything at random, for both programs' random-use tests. How
// many steps and the seed come from RANDOM_STEPS and RANDOM_SEED (a new seed
// each run unless given); the seed is printed first and in every failure, and
// RANDOM_SEED=<seed> replays the run.
class RandomUser
{
public:
    // One kind of step and how often it comes, against the others.
    struct Step
    {
        int weight;
        std::function<void()> act;
    };

    explicit RandomUser(int defaultSteps)
    {
        bool given = false;
        const qulonglong seedGiven = qEnvironmentVariable("RANDOM_SEED").toULongLong(&given);
        seed = given ? seedGiven
                     : qulonglong(std::chrono::system_clock::now().time_since_epoch().count());
        const int stepsGiven = qEnvironmentVariableIntValue("RANDOM_STEPS", &given);
        steps = given && stepsGiven > 0 ? stepsGiven : defaultSteps;
        m_random.seed(seed);
        m_longLeft = 1 + steps / 2000; // long pastes are slow to lay out: a few a run
        std::cout << "RANDOM_SEED=" << seed << " RANDOM_STEPS=" << steps << std::endl;
    }

    // Takes `steps` steps from the table, then `check` whatever was done. When
    // `ended` says the program ended, `restart` starts it again, as a user would.
    void run(const std::vector<Step> &table, const std::function<void()> &check,
             const std::function<bool()> &ended, const std::function<void()> &restart)
    {
        std::vector<int> weights;
        for (const Step &kind : table)
            weights.push_back(kind.weight);
        std::discrete_distribution<size_t> choose(weights.begin(), weights.end());
        for (step = 1; step <= steps && !::testing::Test::HasFailure(); ++step) {
            table[choose(m_random)].act();
            SCOPED_TRACE(where());
            if (ended()) {
                did(u"start the program again"_s);
                restart();
            }
            check();
        }
        if (::testing::Test::HasFailure())
            ADD_FAILURE() << where();
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    // Notes what is being done; the last few actions go into failure messages.
    void did(const QString &action)
    {
        m_done.push_back(u"%1: %2"_s.arg(step).arg(action));
        if (m_done.size() > 6)
            m_done.pop_front();
    }
    std::string where() const
    {
        QString text =
            u"RANDOM_SEED=%1, step %2 of %3; last actions:"_s.arg(seed).arg(step).arg(steps);
        for (const QString &action : m_done)
            text += u"\n  " + action;
        return text.toStdString();
    }

    // A short, readable picture of a text for the log.
    static QString describe(const QString &text)
    {
        QString shown;
        for (const char32_t c : text.first(std::min<qsizetype>(text.size(), 24)).toUcs4())
            shown += c >= 32 && c < 127 ? QString(QChar(c)) : u"\\u{%1}"_s.arg(int(c), 0, 16);
        return u"\"%1\"%2 (%3 units)"_s.arg(shown, text.size() > 24 ? u"..." : u"")
            .arg(text.size());
    }

    // Text of one of many kinds: plain, several lines, every plane, emoji,
    // control characters, right-to-left, combining marks, mixtures.
    QString text()
    {
        switch (below(9)) {
        case 0:
            return pickOf({u"Quarterly review"_s, u"a"_s, u" "_s, u"/etc/passwd"_s, u"..\\x"_s,
                           u"%s%n"_s, u"<b>bold</b>"_s, u"Plan B"_s});
        case 1: {
            const QString breaks[] = {u"\n"_s, u"\r\n"_s, u"\r"_s, u"\u2028"_s, u"\u2029"_s};
            QString lines = text();
            for (int i = below(4); i >= 0; --i)
                lines += breaks[below(5)] + text();
            return lines;
        }
        case 2: { // any plane, surrogates left out: they are halves, not characters
            QString any;
            for (int i = below(20); i >= 0; --i) {
                auto c = char32_t(pickOf({0, 1, 2, 14, 16, below(17)}) << 16 | below(0x10000));
                any += QString::fromUcs4(c >= 0xd800 && c <= 0xdfff ? U"\uFFFD" : &c, 1);
            }
            return any;
        }
        case 3:
            return pickOf({u"\U0001F600"_s, u"\U0001F469\u200D\U0001F4BB"_s,
                           u"\U0001F44D\U0001F3FD"_s, u"\U00020BB7\U0002A6B2"_s});
        case 4: {
            QString controls;
            const char32_t some[] = {0,      1,      9,      10,     13,     27,     0x7f,
                                     0x85,   0x200e, 0x202e, 0xfeff, 0x2028, 0x2029};
            for (int i = below(8); i >= 0; --i)
                controls += QString::fromUcs4(&some[below(int(std::size(some)))], 1) + u'x';
            return controls;
        }
        case 5:
            return pickOf({u"\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644"
                           u"\u0645 2026"_s,
                           u"\u05E9\u05DC\u05D5\u05DD 42 world"_s});
        case 6:
            return QString(41 + below(400), QChar(u'a' + below(26)));
        case 7: {
            QString marks = u"e"_s;
            for (int i = below(30); i >= 0; --i)
                marks += QChar(0x0300 + below(0x70));
            return marks;
        }
        default:
            return text() + text();
        }
    }

    // A long paragraph of words, or a million characters in lines, a few times
    // a run; else an ordinary text.
    QString pasteText()
    {
        if (m_longLeft == 0 || !chance(0.03))
            return text();
        --m_longLeft;
        const bool lines = chance(0.3);
        const qsizetype size = lines ? 1000 * 1000 : 20000 + below(40000);
        QString pasted;
        pasted.reserve(size + 500);
        while (pasted.size() < size) {
            QString words = text();
            words.removeIf([](QChar c) {
                return c == u'\n' || c == u'\r' || c == QChar::LineSeparator
                    || c == QChar::ParagraphSeparator;
            });
            pasted += words + (lines ? u"\n" : u" ");
        }
        return pasted;
    }

    // Types the text as keys, a line break as Return, and what no key types
    // (other scripts, emoji, control characters) as an input method commits it.
    void type(QWidget *box, const QString &text)
    {
        did(u"type "_s + describe(text));
        const auto typeable = [&](qsizetype at) {
            return text[at] == u'\n' || (text[at] >= u' ' && text[at] < QChar(127));
        };
        for (qsizetype i = 0, end = 0; i < text.size(); i = end) {
            while (end < text.size() && typeable(end) == typeable(i))
                ++end;
            const QString run = text.sliced(i, end - i);
            if (!typeable(i)) {
                commit(box, run);
                continue;
            }
            const QStringList lines = run.split(u'\n');
            for (qsizetype l = 0; l < lines.size(); ++l) {
                if (l > 0)
                    QTest::keyClick(box, Qt::Key_Return);
                QTest::keyClicks(box, lines[l]);
            }
        }
    }

    // Pastes through the clipboard (Ctrl+V), as an input method commits, or,
    // with `byProgram`, as the program inserts.
    void paste(QPlainTextEdit *box, bool byProgram = true)
    {
        const QString pasted = pasteText();
        switch (below(byProgram ? 3 : 2)) {
        case 0: {
            did(u"paste with Ctrl+V "_s + describe(pasted));
            auto *data = new QMimeData;
            data->setText(pasted);
            if (chance(0.3))
                data->setHtml(u"<h1>"_s + pasted.first(std::min<qsizetype>(pasted.size(), 99)));
            QApplication::clipboard()->setMimeData(data);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        }
        case 1: // an input method only writes where the widget takes one
            if (box->testAttribute(Qt::WA_InputMethodEnabled)) {
                did(u"commit "_s + describe(pasted));
                commit(box, pasted);
            }
            break;
        default:
            did(u"insertPlainText "_s + describe(pasted));
            box->insertPlainText(pasted);
            break;
        }
    }

    // The caret anywhere in the box, as a click puts it.
    void placeCaret(QPlainTextEdit *box)
    {
        QTextCursor caret = box->textCursor();
        caret.setPosition(below(box->document()->characterCount()));
        did(u"caret at %1"_s.arg(caret.position()));
        box->setTextCursor(caret);
    }

    // A key as a user presses it: moves, edits, undo and redo, Tab, Return,
    // Escape, access keys, letters.
    void pressKey(QWidget *target)
    {
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Tab, Qt::NoModifier},       {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Enter, Qt::KeypadModifier},
            {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::ShiftModifier},
            {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::ShiftModifier},
            {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
            {Qt::Key_PageDown, Qt::NoModifier},  {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Y, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_V, Qt::ControlModifier},
            {Qt::Key_Return, Qt::ShiftModifier}, {Qt::Key_Backspace, Qt::ControlModifier},
        };
        if (chance(0.3)) { // a letter, or an access key
            const char letter = char('a' + below(26));
            const bool alt = chance(0.5);
            did(u"key %1%2 on %3"_s.arg(alt ? u"Alt+" : u"")
                    .arg(QLatin1Char(letter))
                    .arg(target->objectName()));
            QTest::keyClick(target, letter, alt ? Qt::AltModifier : Qt::NoModifier);
            return;
        }
        const auto [key, modifiers] = keys[below(int(std::size(keys)))];
        did(u"key %1 on %2"_s.arg(QKeySequence(key | modifiers).toString(), target->objectName()));
        QTest::keyClick(target, key, modifiers);
    }

    // A click, mostly with the left button, on one of the buttons and options
    // of `window` that can be clicked now. `weight` favours some of them.
    void clickButton(QWidget *window, const std::function<int(QAbstractButton *)> &weight = {})
    {
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(window) && button->isEnabled()) {
                for (int i = weight ? weight(button) : 1; i > 0; --i)
                    buttons.append(button);
            }
        }
        if (buttons.isEmpty())
            return;
        QAbstractButton *button = buttons[below(int(buttons.size()))];
        const Qt::MouseButton mouse = chance(0.85) ? Qt::LeftButton : Qt::RightButton;
        did(u"click %1 on %2"_s.arg(mouse == Qt::LeftButton ? u"left" : u"right",
                                    button->objectName()));
        QTest::mouseClick(button, mouse);
    }

    // The mouse over a random point of the widget.
    void moveOver(QWidget *widget)
    {
        const QPoint at(below(widget->width()), below(widget->height()));
        did(u"mouse over %1 at %2,%3"_s.arg(widget->objectName()).arg(at.x()).arg(at.y()));
        QTest::mouseMove(widget, at);
    }

    // The widget that takes keys in `window`: its focus widget, or itself.
    static QWidget *keyTarget(QWidget *window)
    {
        QWidget *focus = window->focusWidget();
        return focus && focus->isVisible() ? focus : window;
    }

    qulonglong seed = 0;
    int steps = 0;
    int step = 0;

private:
    template<typename T> T pickOf(std::initializer_list<T> from)
    {
        return *(from.begin() + below(int(from.size())));
    }
    static void commit(QWidget *box, const QString &text)
    {
        QInputMethodEvent input;
        input.setCommitString(text);
        QApplication::sendEvent(box, &input);
    }

    std::mt19937_64 m_random;
    std::deque<QString> m_done;
    int m_longLeft = 0;
};
