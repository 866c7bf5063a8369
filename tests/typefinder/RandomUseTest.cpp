#include "VelkinWindow.h"

#include "RandomUser.h"

namespace {

// Hundreds of random clicks, keys and mouse moves in the main window and the
// detailed test, every box answered at random; after each step the windows
// must still keep their rules.
class RandomUse : public VelkinWindow
{
protected:
    void SetUp() override
    {
        platform.answerAtRandom = [this] {
            return user.chance(0.5) ? platform::Yes : platform::No;
        };
        onModal([this](QDialog &dialog) {
            // The detailed test mostly to its end, with keys, bars, Clear and Print between.
            const bool test = dialog.objectName() == u"frmSelfTest";
            for (int n = user.below(test ? 120 : 4); n > 0 && dialog.isVisible() && !HasFailure();
                 --n) {
                if (user.chance(0.2))
                    user.pressKey(&dialog);
                else
                    user.clickButton(&dialog, [](QAbstractButton *b) {
                        return b->objectName().startsWith(u"Command2_") ? 8 : 1;
                    });
                // No question past the 24th, and no answer taken once the results are up.
                if (!test)
                    continue;
                const bool results = dialog.isVisible() && find(&dialog, "Frame2")->isVisible();
                EXPECT_TRUE(!results || find(&dialog, "Command2_1")->isHidden());
                EXPECT_LE(find<QLabel>(&dialog, "Label1")->text().section(u' ', 0, 0).toInt(), 24);
                ended = results;
            }
        });
        VelkinWindow::SetUp();
    }

    void check()
    {
        const QString shows = showing();
        EXPECT_TRUE(shows == StepsShown || shows == u"Frame2 Frame3 Option5 Option6 Label5"
                    || shows == u"Label4 Command2 Command3 Command4")
            << shows.toStdString();
        const auto count = [&](std::initializer_list<const char *> names) {
            return which(window.get(), names,
                         [](const QWidget *o) {
                             return static_cast<const QAbstractButton *>(o)->isChecked();
                         })
                .count(u"Option");
        };
        EXPECT_EQ(count({"Option1", "Option2", "Option7"}), 1) << selection().toStdString();
        EXPECT_LE(count({"Option3", "Option4", "Option8"}), 1) << selection().toStdString();
        EXPECT_LE(count({"Option5", "Option6"}), 1) << selection().toStdString();
        if (std::exchange(ended, false)) { // a finished test puts its type on show
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
            {40,
             [this] { // Finished, which ends the program, the less likely
                 user.clickButton(window.get(), [](QAbstractButton *b) {
                     return b->objectName() == u"Command1_0" ? 1 : 4;
                 });
             }},
            {30,
             [this] {
                 user.pressKey(window.get());
             }},
            {5,
             [this] {
                 user.moveOver(find(user.chance(0.5) ? "Frame2" : "Label4"));
             }},
            {5,
             [this] { // the panel is there to be read, not written
                 auto *panel = find<QPlainTextEdit>("Label4");
                 const QString before = panel->toPlainText();
                 user.type(panel, user.text());
                 EXPECT_EQ(panel->toPlainText(), before);
             }},
            {1,
             [this] {
                 window->close();
             }},
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
