#include "VelkinWindow.h"

#include "RandomUser.h"

namespace {

const QStringList Letters = {u""_s, u"I"_s, u"E"_s, u"F"_s, u"D"_s};

// Thousands of random clicks, keys, pastes and mouse moves in the main window
// and the detailed test, every box answered at random; after each step the
// windows must still keep their rules.
class RandomUse : public VelkinWindow
{
protected:
    void SetUp() override
    {
        platform.answerAtRandom = [this] {
            return user.chance(0.5) ? platform::Yes : platform::No;
        };
        platform.onModal = [this](QDialog &dialog) {
            if (dialog.objectName() == u"frmSelfTest")
                useTest(dialog);
            else
                useOther(dialog);
        };
        VelkinWindow::SetUp();
    }

    // The program ended: it starts again, as the user would start it.
    void restart()
    {
        EXPECT_FALSE(window->isVisible()) << "the program ended with its window open";
        user.did(u"start the type finder again"_s);
        window.reset();
        values = typefinder::TypeFinderValues();
        VelkinWindow::SetUp();
    }

    void act()
    {
        switch (user.weighted({40, 30, 5, 5, 1})) {
        case 0:
            user.clickButton(window.get(), [](QAbstractButton *b) {
                return b->objectName() == u"Command1_0" ? 1 : 4; // Finished ends the program
            });
            break;
        case 1:
            user.pressKey(RandomUser::keyTarget(window.get()));
            break;
        case 2:
            user.moveOver(find(user.chance(0.5) ? "Frame2" : "Label4"));
            break;
        case 3: { // the panel is there to be read, not written
            auto *panel = find<QPlainTextEdit>("Label4");
            const QString before = panel->toPlainText();
            user.paste(panel, false);
            EXPECT_EQ(panel->toPlainText(), before);
            break;
        }
        default:
            user.did(u"close the window"_s);
            window->close();
            break;
        }
    }

    // The About box: a few keys and clicks, then closed one way or another.
    void useOther(QDialog &dialog)
    {
        user.did(dialog.objectName() + u" opens");
        for (int i = user.below(4); i > 0 && dialog.isVisible(); --i) {
            if (user.chance(0.5))
                user.pressKey(RandomUser::keyTarget(&dialog));
            else
                user.clickButton(&dialog);
        }
    }

    // The detailed test, mostly answered to its end, with keys, clicks on the
    // bars, Clear and Print between; closed at any point.
    void useTest(QDialog &test)
    {
        user.did(u"detailed test opens"_s);
        int answered = 0;
        // Each question brings answer buttons of its own: each is counted once it is there.
        const auto count = [&] {
            for (int i = 0; i < 5; ++i) {
                auto *answer = find<QAbstractButton>(&test, u"Command2_%1"_s.arg(i));
                if (answer->property("counted").toBool())
                    continue;
                answer->setProperty("counted", true);
                QObject::connect(answer, &QAbstractButton::clicked, &test,
                                 [&answered] { ++answered; });
            }
        };
        QStringList bars;
        const bool toTheEnd = user.chance(0.6);
        for (int n = user.below(toTheEnd ? 150 : 40); n > 0 && test.isVisible() && !HasFailure();
             --n) {
            count();
            switch (user.weighted({toTheEnd ? 30 : 10, 6, 1})) {
            case 0:
                user.clickButton(&test, [toTheEnd](QAbstractButton *b) {
                    if (b->objectName().startsWith(u"Command2_"))
                        return 6;
                    return b->objectName() == u"Command1" ? int(!toTheEnd) : 1;
                });
                break;
            case 1:
                user.pressKey(RandomUser::keyTarget(&test));
                break;
            default:
                user.did(u"close the detailed test"_s);
                test.close();
                break;
            }
            checkTest(test, answered, bars);
        }
        testEndedWithResults = !bars.isEmpty();
        finishedTests += int(testEndedWithResults);
    }

    // No question past the 24th, no answer taken after it, and the bars stay as counted.
    void checkTest(const QDialog &test, int answered, QStringList &bars) const
    {
        if (!test.isVisible())
            return;
        SCOPED_TRACE(user.where());
        ASSERT_LE(answered, 24);
        const auto *line = find<QLabel>(&test, "Label1");
        if (line->isVisible()) {
            EXPECT_EQ(line->text().section(u' ', 0, 0).toInt(), answered + 1)
                << line->text().toStdString();
        }
        const bool results = find(&test, "Frame2")->isVisible();
        for (int i = 0; i < 5; ++i)
            EXPECT_NE(find(&test, u"Command2_%1"_s.arg(i))->isVisible(), results);
        if (!results)
            return;
        EXPECT_EQ(answered, 24);
        QStringList captions;
        for (int b = 0; b < 4; ++b)
            captions.append(find<QAbstractButton>(&test, u"Frame1_%1"_s.arg(b))->text());
        if (bars.isEmpty())
            bars = captions;
        EXPECT_EQ(captions, bars);
    }

    // What must hold whatever was done.
    void checkRules()
    {
        const QString shows = showing();
        EXPECT_TRUE(shows == u"Frame2 Frame3 Label5"
                    || shows == u"Frame2 Frame3 Option5 Option6 Label5"
                    || shows == u"Label4 Command2 Command3 Command4")
            << shows.toStdString();
        EXPECT_TRUE(Letters.contains(values.currentType)) << values.currentType.toStdString();
        EXPECT_TRUE(Letters.contains(values.testResult)) << values.testResult.toStdString();
        const QString chosen = selection();
        const auto count = [&](std::initializer_list<const char *> names) {
            return std::count_if(names.begin(), names.end(), [&](const char *name) {
                return find<QAbstractButton>(name)->isChecked();
            });
        };
        EXPECT_EQ(count({"Option1", "Option2", "Option7"}), 1) << chosen.toStdString();
        EXPECT_LE(count({"Option3", "Option4", "Option8"}), 1) << chosen.toStdString();
        EXPECT_LE(count({"Option5", "Option6"}), 1) << chosen.toStdString();
        // A finished test puts its type on show.
        if (testEndedWithResults) {
            testEndedWithResults = false;
            EXPECT_TRUE(find("Label4")->isVisible());
            EXPECT_EQ(values.currentType, values.testResult);
        }
    }

    RandomUser user{1000};
    bool testEndedWithResults = false;
    int finishedTests = 0;
};

TEST_F(RandomUse, TheTypeFinderKeepsItsRulesWhateverTheUserDoes)
{
    for (user.step = 1; user.step <= user.steps && !HasFailure(); ++user.step) {
        const int ends = platform.programEnds;
        act();
        if (HasFailure())
            ADD_FAILURE() << user.where();
        SCOPED_TRACE(user.where());
        if (platform.programEnds != ends)
            restart();
        else
            checkRules();
        platform.boxes.clear();
    }
    std::cout << "RANDOM_SEED=" << user.seed << ": " << user.step - 1 << " steps, "
              << platform.windowPrints << " window prints, " << platform.help.size()
              << " help requests, " << finishedTests << " tests finished" << std::endl;
}

} // namespace
