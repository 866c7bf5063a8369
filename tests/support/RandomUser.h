#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <random>

// A user who does anything at random, for both programs' random-use tests.
// RANDOM_STEPS sets how many steps, and RANDOM_SEED=n replays a run: the seed
// is printed first and in every failure, with the last things done.
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
        steps = qEnvironmentVariableIntValue("RANDOM_STEPS");
        steps = steps > 0 ? steps : defaultSteps;
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
            if (ended()) {
                did(u"start the program again"_s);
                restart();
            }
            check();
        }
        if (::testing::Test::HasFailure())
            ADD_FAILURE() << "RANDOM_SEED=" << seed << ", step " << step - 1 << ", after:\n"
                          << m_done.join(u'\n').toStdString();
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    // Notes what is being done: the last few things go into a failure's message.
    void did(const QString &action)
    {
        m_done =
            (m_done.mid(m_done.size() > 5 ? 1 : 0) << u"%1: %2"_s.arg(step).arg(action.left(40)));
    }

    // Text of many kinds: words, lines broken in every way, any plane, emoji,
    // control characters, right to left, combining marks; or, now and then, a
    // long paragraph of words or a million characters in lines.
    QString text(bool mayBeLong = false)
    {
        QString text;
        if (mayBeLong && m_longLeft > 0 && chance(0.03)) {
            --m_longLeft;
            const bool lines = chance(0.3);
            while (text.size() < (lines ? 1000000 : 20000 + below(40000)))
                text += QString(1 + below(12), QChar(u'a' + below(26))) + (lines ? u'\n' : u' ');
            return text;
        }
        const QString breaks[] = {u"\n"_s, u"\r\n"_s, u"\r"_s, u"\u2028"_s, u"\u2029"_s};
        const QString some[] = {
            u"Quarterly review"_s, u"/etc/passwd"_s, u"\U0001F469\u200D\U0001F4BB"_s,
            u"\u0645\u0631\u062D\u0628\u0627 2026"_s, u"\u202E\t\u0000\u001B\u0085\uFEFF"_s};
        switch (below(5)) {
        case 0:
            for (int i = below(4); i >= 0; --i)
                text += this->text() + breaks[below(5)];
            return text;
        case 1: // any plane but the halves of characters
            for (int i = below(20); i >= 0; --i) {
                const auto c = char32_t(below(17) << 16 | below(0xd800));
                text += QString::fromUcs4(&c, 1);
            }
            return text;
        case 2:
            return some[below(5)];
        case 3:
            return u"e"_s + QString(1 + below(20), QChar(0x0300 + below(0x70)));
        default:
            return QString(41 + below(400), QChar(u'a' + below(26)));
        }
    }

    // Types the text as keys, and what no key types (line breaks, other scripts,
    // emoji, control characters) as an input method commits it.
    void type(QWidget *box, const QString &text)
    {
        did(u"type "_s + text);
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
        const QString pasted = text(true);
        did(u"paste %1 characters: "_s.arg(pasted.size()) + pasted);
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

    // A key on the focus of `window`: a letter, an access key, or one that
    // moves, edits, undoes or redoes.
    void pressKey(QWidget *window)
    {
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_Tab, Qt::NoModifier},       {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Return, Qt::ShiftModifier},
            {Qt::Key_Space, Qt::NoModifier},     {Qt::Key_Escape, Qt::NoModifier},
            {Qt::Key_Left, Qt::NoModifier},      {Qt::Key_Right, Qt::ShiftModifier},
            {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},
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
        QWidget *target = window->focusWidget() && window->focusWidget()->isVisible()
            ? window->focusWidget()
            : window;
        did(u"key %1 + %2 on %3"_s.arg(int(modifiers)).arg(key).arg(target->objectName()));
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

    qulonglong seed = 0;
    int steps = 0;
    int step = 0;

private:
    // As an input method does, which writes only where a widget takes one.
    static void commit(QWidget *box, const QString &text)
    {
        QInputMethodEvent input;
        input.setCommitString(text);
        if (box->testAttribute(Qt::WA_InputMethodEnabled))
            QApplication::sendEvent(box, &input);
    }

    std::mt19937_64 m_random;
    QStringList m_done;
    int m_longLeft = 0;
};
