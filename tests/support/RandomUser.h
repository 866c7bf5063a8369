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
    struct Step // one kind of step, and how often it comes against the others
    {
        int weight;
        std::function<void()> act;
    };

    explicit RandomUser(int defaultSteps)
    {
        bool given = false;
        seed = qEnvironmentVariable("RANDOM_SEED").toULongLong(&given);
        if (!given)
            seed = qulonglong(std::chrono::system_clock::now().time_since_epoch().count());
        steps = qEnvironmentVariableIntValue("RANDOM_STEPS", &given);
        if (!given || steps <= 0)
            steps = defaultSteps;
        m_random.seed(seed);
        m_longLeft = 1 + steps / 2000; // long pastes are slow to lay out: a few a run
        std::cout << "RANDOM_SEED=" << seed << " RANDOM_STEPS=" << steps << std::endl;
    }

    // Takes the steps from the table, each followed by `check`. When `ended`
    // says the program ended, `restart` starts it again, as a user would.
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
        m_done.push_back(u"%1: %2"_s.arg(step).arg(action.left(60)));
        if (m_done.size() > 6)
            m_done.pop_front();
    }
    std::string where() const
    {
        QString text = u"RANDOM_SEED=%1, step %2; last actions:"_s.arg(seed).arg(step);
        for (const QString &action : m_done)
            text += u"\n  " + action;
        return text.toStdString();
    }

    // Text of many kinds: words, several lines in every way of breaking them,
    // any plane, emoji, control characters, right to left, combining marks.
    QString text()
    {
        QString text;
        switch (below(7)) {
        case 0:
            return pickOf({u"Quarterly review"_s, u" "_s, u"/etc/passwd"_s, u"<b>%s</b>"_s});
        case 1:
            for (int i = below(4); i >= 0; --i)
                text +=
                    this->text() + pickOf({u"\n"_s, u"\r\n"_s, u"\r"_s, u"\u2028"_s, u"\u2029"_s});
            return text;
        case 2: // any plane but the halves of characters
            for (int i = below(20); i >= 0; --i) {
                const auto c = char32_t(pickOf({0, 1, 2, 14, 16}) << 16 | below(0xd800));
                text += QString::fromUcs4(&c, 1);
            }
            return text;
        case 3:
            return pickOf({u"\U0001F600"_s, u"\U0001F469\u200D\U0001F4BB"_s,
                           u"\u0645\u0631\u062D\u0628\u0627 2026"_s,
                           u"\u05E9\u05DC\u05D5\u05DD"_s});
        case 4:
            for (const char32_t c : {0, 9, 10, 13, 27, 0x7f, 0x85, 0x202e, 0xfeff})
                text += chance(0.3) ? QString::fromUcs4(&c, 1) + u'x' : QString();
            return text;
        case 5:
            return u"e"_s + QString(1 + below(20), QChar(0x0300 + below(0x70)));
        default:
            return QString(41 + below(400), QChar(u'a' + below(26)));
        }
    }

    // Now and then a long paragraph of words, or a million characters in
    // lines; else an ordinary text.
    QString pasteText()
    {
        if (m_longLeft == 0 || !chance(0.03))
            return text();
        --m_longLeft;
        const bool lines = chance(0.3);
        QString pasted;
        while (pasted.size() < (lines ? 1000000 : 20000 + below(40000)))
            pasted += QString(1 + below(12), QChar(u'a' + below(26))) + (lines ? u"\n" : u" ");
        return pasted;
    }

    // Types the text as keys, a line break as Return, and what no key types
    // (other scripts, emoji, control characters) as an input method commits it.
    void type(QWidget *box, const QString &text)
    {
        did(u"type "_s + describe(text));
        const auto typeable = [&](qsizetype at) {
            return text[at].unicode() - 32u < 95u;
        };
        for (qsizetype i = 0, end = 0; i < text.size(); i = end) {
            while (end < text.size() && typeable(end) == typeable(i))
                ++end;
            if (typeable(i))
                QTest::keyClicks(box, text.sliced(i, end - i));
            else
                commit(box, text.sliced(i, end - i));
        }
    }

    // Pastes with Ctrl+V, or commits as an input method, or inserts as the program does.
    void paste(QPlainTextEdit *box)
    {
        const QString pasted = pasteText();
        did(u"paste "_s + describe(pasted));
        if (chance(0.6)) {
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else if (chance(0.5)) {
            commit(box, pasted);
        } else {
            box->insertPlainText(pasted);
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

    // A key: a letter, an access key, or one that moves, edits, undoes and redoes.
    void pressKey(QWidget *target)
    {
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Tab, Qt::NoModifier},       {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Return, Qt::ShiftModifier},
            {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::ShiftModifier},
            {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},
            {Qt::Key_Home, Qt::NoModifier},      {Qt::Key_End, Qt::ShiftModifier},
            {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},
            {Qt::Key_Z, Qt::ControlModifier},    {Qt::Key_Y, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_V, Qt::ControlModifier},
            {Qt::Key_A, Qt::ControlModifier},    {Qt::Key_Backspace, Qt::ControlModifier},
        };
        auto [key, modifiers] = keys[below(int(std::size(keys)))];
        if (chance(0.3)) { // a letter, or an access key
            key = Qt::Key(Qt::Key_A + below(26));
            modifiers = chance(0.5) ? Qt::AltModifier : Qt::NoModifier;
        }
        did(u"key %1 on %2"_s.arg(QKeySequence(key | modifiers).toString(), target->objectName()));
        QTest::keyClick(target, key, modifiers);
    }

    // A click, mostly with the left button, on a button or option of `window`
    // that can be clicked now; `weight` favours some of them.
    void clickButton(QWidget *window, const std::function<int(QAbstractButton *)> &weight = {})
    {
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            for (int i = weight ? weight(button) : 1;
                 i > 0 && button->isVisible() && button->isEnabled(); --i)
                buttons.append(button);
        }
        if (buttons.isEmpty())
            return;
        QAbstractButton *button = buttons[below(int(buttons.size()))];
        const Qt::MouseButton mouse = chance(0.85) ? Qt::LeftButton : Qt::RightButton;
        did(u"click %1 on %2"_s.arg(int(mouse)).arg(button->objectName()));
        QTest::mouseClick(button, mouse);
    }

    // The mouse over a random point of the widget.
    void moveOver(QWidget *widget)
    {
        did(u"mouse over "_s + widget->objectName());
        QTest::mouseMove(widget, QPoint(below(widget->width()), below(widget->height())));
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
    static QString describe(const QString &text)
    {
        return u"%1 units: %2"_s.arg(text.size())
            .arg(QString::fromLatin1(text.left(20).toUtf8().toPercentEncoding(" ")));
    }
    // As an input method does, which writes only where a widget takes one.
    static void commit(QWidget *box, const QString &text)
    {
        if (!box->testAttribute(Qt::WA_InputMethodEnabled))
            return;
        QInputMethodEvent input;
        input.setCommitString(text);
        QApplication::sendEvent(box, &input);
    }

    std::mt19937_64 m_random;
    std::deque<QString> m_done;
    int m_longLeft = 0;
};
