#include "VelkinWindow.h"

#include "RandomUser.h"

namespace {

const QStringList Letters = {u""_s, u"I"_s, u"E"_s, u"F"_s, u"D"_s};

// Hundreds of random clicks, keys, pastes and mouse moves in the main window
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
        onModal([this](QDialog &dialog) {
            user.did(dialog.objectName() + u" opens");
            const bool test = dialog.objectName() == u"frmSelfTest";
            // The detailed test mostly to its end, with keys, bars, Clear and Print between.
            for (int n = user.below(test ? 120 : 4); n > 0 && dialog.isVisible(); --n) {
                if (user.chance(0.2))
                    user.pressKey(RandomUser::keyTarget(&dialog));
                else
                    user.clickButton(&dialog, [](QAbstractButton *b) {
                        return b->objectName().startsWith(u"Command2_") ? 8 : 1;
                    });
                if (test)
                    checkTest(dialog);
            }
            ended = test && find(&dialog, "Frame2")->isVisible();
        });
        VelkinWindow::SetUp();
    }

    // No question past the 24th, and no answer taken once the results are up.
    void checkTest(const QDialog &test) const
    {
        if (!test.isVisible())
            return;
        const bool results = find(&test, "Frame2")->isVisible();
        for (int i = 0; i < 5; ++i)
            EXPECT_NE(find(&test, u"Command2_%1"_s.arg(i))->isVisible(), results);
        EXPECT_LE(find<QLabel>(&test, "Label1")->text().section(u' ', 0, 0).toInt(), 24);
    }

    void check()
    {
        const QString shows = showing();
        EXPECT_TRUE(shows == u"Frame2 Frame3 Label5"
                    || shows == u"Frame2 Frame3 Option5 Option6 Label5"
                    || shows == u"Label4 Command2 Command3 Command4")
            << shows.toStdString();
        EXPECT_TRUE(Letters.contains(values.currentType) && Letters.contains(values.testResult));
        const auto count = [&](std::initializer_list<const char *> names) {
            return std::count_if(names.begin(), names.end(), [&](const char *name) {
                return find<QAbstractButton>(name)->isChecked();
            });
        };
        EXPECT_EQ(count({"Option1", "Option2", "Option7"}), 1) << selection().toStdString();
        EXPECT_LE(count({"Option3", "Option4", "Option8"}), 1) << selection().toStdString();
        EXPECT_LE(count({"Option5", "Option6"}), 1) << selection().toStdString();
        if (ended) { // a finished test puts its type on show
            ended = false;
            ++finished;
            EXPECT_TRUE(find("Label4")->isVisible());
            EXPECT_EQ(values.currentType, values.testResult);
        }
    }

    RandomUser user{1000};
    bool ended = false; // a test just ended with its results
    int finished = 0;
};

TEST_F(RandomUse, TheTypeFinderKeepsItsRulesWhateverTheUserDoes)
{
    user.run(
        {
            {40, [this] {
                 user.clickButton(window.get(), [](QAbstractButton *b) {
                     return b->objectName() == u"Command1_0" ? 1 : 4; // Finished ends the program
                 });
             }},
            {30, [this] { user.pressKey(RandomUser::keyTarget(window.get())); }},
            {5, [this] { user.moveOver(find(user.chance(0.5) ? "Frame2" : "Label4")); }},
            {5, [this] { // the panel is there to be read, not written
                 auto *panel = find<QPlainTextEdit>("Label4");
                 const QString before = panel->toPlainText();
                 user.paste(panel, false);
                 EXPECT_EQ(panel->toPlainText(), before);
             }},
            {1, [this] { user.did(u"close the window"_s); window->close(); }},
        },
        [this] { check(); }, [this] { return !window->isVisible(); },
        [this] {
            window.reset();
            values = typefinder::TypeFinderValues();
            VelkinWindow::SetUp();
        });
    std::cout << "RANDOM_SEED=" << user.seed << ": " << platform.windowPrints << " window prints, "
              << platform.help.size() << " help requests, " << finished << " tests finished"
              << std::endl;
}

} // namespace
