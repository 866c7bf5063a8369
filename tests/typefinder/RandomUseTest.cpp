#include "VelkinWindow.h"

#include "RandomUser.h"

#include <QRegularExpression>

namespace {

// Hundreds of random clicks, keys and mouse moves in the main window and the
// detailed test, every box answered at random; after each step the windows
// keep their rules: no question past the 24th, no answer taken once the
// results are up, one choice at most in each step, and a finished test's type on show.
TEST_F(VelkinWindow, RandomUseKeepsTheRules)
{
    RandomUser user(1000);
    bool ended = false; // a test just ended with its results
    platform.answerAtRandom = [&] {
        return user.chance(0.5) ? platform::Yes : platform::No;
    };
    onModal([&](QDialog &dialog) {
        const bool test = dialog.objectName() == u"frmSelfTest"; // mostly to its end
        for (int n = user.below(test ? 120 : 4); n > 0 && dialog.isVisible() && !HasFailure();
             --n) {
            if (user.chance(0.2))
                user.pressKey(&dialog);
            else
                user.clickButton(&dialog, [](QAbstractButton *b) {
                    return b->objectName().startsWith(u"Command2_") ? 8 : 1;
                });
            const bool results = test && dialog.isVisible() && find(&dialog, "Frame2")->isVisible();
            EXPECT_TRUE(!test || (results != find(&dialog, "Command2_1")->isVisible())
                        || !dialog.isVisible());
            EXPECT_TRUE(!test || line(dialog).section(u' ', 0, 0).toInt() <= 24);
            ended = results;
        }
    });
    // The steps, with Step 3 or without, or the panel; exactly one audience, and at most
    // one answer in each of Steps 2 and 3.
    static const QRegularExpression screens(
        u"^(Frame2 Frame3 (Option5 Option6 )?Label5|Label4 Command2 Command3 Command4)$"_s);
    static const QRegularExpression choices(u"^Option[127]( Option[348])?( Option[56])?$"_s);
    const auto check = [&] {
        EXPECT_TRUE(screens.match(showing()).hasMatch()) << showing().toStdString();
        EXPECT_TRUE(choices.match(selection()).hasMatch()) << selection().toStdString();
        EXPECT_TRUE(!std::exchange(ended, false)
                    || (find("Label4")->isVisible() && values.currentType == values.testResult));
    };
    using Step = RandomUser::Step;
    user.run(
        {Step(40,
              [&] {
                  user.clickButton(window.get(), [](QAbstractButton *b) {
                      return b->objectName() == u"Command1_0" ? 1 : 4;
                  });
              }),
         Step(30, [&] { user.pressKey(window.get()); }),
         Step(5, [&] { user.moveOver(find(user.chance(0.5) ? "Frame2" : "Label4")); }),
         Step(5,
              [&] { // the panel is there to be read, not written
                  auto *panel = find<QPlainTextEdit>("Label4");
                  const QString before = panel->toPlainText();
                  user.type(panel, user.text());
                  EXPECT_EQ(panel->toPlainText(), before);
              }),
         Step(1, [&] { window->close(); })},
        check, [&] { return !window->isVisible(); },
        [&] {
            values = typefinder::TypeFinderValues();
            open(values);
        });
    std::cout << platform.windowPrints << " window prints, " << platform.help.size()
              << " help requests" << std::endl;
}

} // namespace
