#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>
#include <random>

// A user who does anything at random, for both programs' random-use tests.
// RANDOM_STEPS sets how many steps, and RANDOM_SEED=n replays a run: the seed
// is printed first and in every failure, with the last things done.
class RandomUser
{
public:
    using Step = std::pair<int, std::function<void()>>; // how often, against the others; what

    explicit RandomUser(int defaultSteps)
    {
        bool given = false;
        seed = qEnvironmentVariable("RANDOM_SEED").toULongLong(&given);
        seed = given ? seed : std::random_device()();
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
        std::discrete_distribution<size_t> choose(
            table.size(), 0, double(table.size()),
            [&](double at) { return table[size_t(at)].first; });
        for (int step = 1; step <= steps && !::testing::Test::HasFailure(); ++step) {
            did(u"step %1"_s.arg(step));
            table[choose(m_random)].second();
            if (ended())
                restart();
            check();
        }
        if (::testing::Test::HasFailure())
            ADD_FAILURE() << "RANDOM_SEED=" << seed << ", after:\n"
                          << m_done.join(u'\n').toStdString();
    }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    // The last few things done go into a failure's message.
    void did(const QString &action) { m_done = m_done.mid(m_done.size() - 7) << action.left(50); }

    // Text of many kinds: words, lines broken every way, any plane, emoji, control
    // characters, right to left, combining marks; now and then, with `mayBeLong`,
    // a long paragraph of words or a million characters in lines.
    QString text(bool mayBeLong = false)
    {
        QString text;
        if (mayBeLong && m_longLeft > 0 && chance(0.03)) {
            const bool lines = --m_longLeft % 2;
            while (text.size() < (lines ? 1000000 : 20000 + below(40000)))
                text += QString(1 + below(12), QChar(u'a' + below(26))) + (lines ? u'\n' : u' ');
            return text;
        }
        static const QStringList some = // breaks, words, a ZWJ emoji, Arabic, controls, marks
            u"\n|\r\n|\r|\u2028|\u2029|Quarterly review|\U0001F469\u200D\U0001F4BB|\u0645\u0631\u062D\u0628\u0627 2026|\u202E\t\u0000\u001B\u0085\uFEFF|e\u0301\u0302\u0303"_s
                .split(u'|');
        for (int i = below(6); i >= 0; --i) {
            const auto c = char32_t(below(17) << 16 | below(0xd800)); // any plane but the halves
            text += chance(0.2) ? QString::fromUcs4(&c, 1)
                : chance(0.3)   ? QString(41 + below(200), u'a')
                                : some[below(10)];
        }
        return text;
    }

    // Types the text as keys, and what no key types (line breaks, other
    // scripts, emoji, control characters) as an input method commits it.
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
        did(u"paste %1: "_s.arg(pasted.size()) + pasted);
        QApplication::clipboard()->setText(pasted);
        if (chance(0.6))
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        else if (chance(0.5))
            commit(box, pasted);
        else
            box->insertPlainText(pasted);
    }

    // The caret anywhere in the box, as a click puts it.
    void placeCaret(QPlainTextEdit *box)
    {
        QTextCursor caret = box->textCursor();
        caret.setPosition(below(box->document()->characterCount()));
        did(u"caret at %1"_s.arg(caret.position()));
        box->setTextCursor(caret);
    }

    // A key on the focus of `window`: a letter, an access key, or one that moves,
    // edits, undoes or redoes.
    void pressKey(QWidget *window)
    {
        static const QKeyCombination keys[] = {Qt::Key_Tab,          Qt::SHIFT | Qt::Key_Backtab,
                                               Qt::Key_Return,       Qt::SHIFT | Qt::Key_Return,
                                               Qt::Key_Space,        Qt::Key_Escape,
                                               Qt::Key_Left,         Qt::SHIFT | Qt::Key_Right,
                                               Qt::Key_Up,           Qt::Key_Down,
                                               Qt::Key_Backspace,    Qt::Key_Delete,
                                               Qt::CTRL | Qt::Key_Z, Qt::CTRL | Qt::Key_Y,
                                               Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_V,
                                               Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_Backspace};
        const auto letter = Qt::Key(Qt::Key_A + below(26));
        const QKeyCombination key =
            chance(0.3) ? (chance(0.5) ? Qt::ALT | letter : letter) : keys[below(18)];
        QWidget *target = window->focusWidget() && window->focusWidget()->isVisible()
            ? window->focusWidget()
            : window;
        did(u"key %1 on "_s.arg(key.toCombined(), 0, 16) + target->objectName());
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
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
        did(u"click "_s + button->objectName());
        QTest::mouseClick(button, chance(0.85) ? Qt::LeftButton : Qt::RightButton);
    }

    void moveOver(QWidget *widget)
    {
        did(u"mouse over "_s + widget->objectName());
        QTest::mouseMove(widget, QPoint(below(widget->width()), below(widget->height())));
    }

    qulonglong seed = 0;
    int steps = 0;

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
