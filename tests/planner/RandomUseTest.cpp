#include "PlannerWindow.h"

#include "RandomUser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QStringList NamingTitles = {u"Presentation - Title."_s, u"Meeting - Name."_s,
                                  u"Task - Name."_s, u"Phone Call - Description."_s};
const QString StoreQuestion = u"Do you wish to store a copy of this Work Sheet on disk? ("_s;

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator
        || c == QChar::ParagraphSeparator;
}

// Thousands of random clicks, keys, pastes and mouse moves, every box answered
// at random; after each step the window must still keep its rules.
class RandomUse : public PlannerWindow
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(docs.isValid());
        platform.folder = docs.path();
        platform.answerAtRandom = [this] {
            // Leaving a planner is the likelier No, so that planners get walked to their end.
            const bool leaving =
                platform.boxes.back().text.startsWith(u"Are you sure that you wish to exit");
            lastAnswer = user.chance(leaving ? 0.2 : 0.5) ? platform::Yes : platform::No;
            return lastAnswer;
        };
        platform.onModal = [this](QDialog &about) {
            useAbout(about);
        };
        PlannerWindow::SetUp();
    }

    // The program ended: it starts again, as the user would start it.
    void restart()
    {
        EXPECT_FALSE(window->isVisible()) << "the program ended with its window open";
        user.did(u"start the planner again"_s);
        window.reset();
        PlannerWindow::SetUp();
    }

    void act()
    {
        switch (user.weighted({50, 20, 12, 8, 8, 1})) {
        case 0: { // a button, Forward the likelier, so that planners get walked to their end
            platform.startResult = user.chance(0.2) ? platform::StartResult::FileNotFound
                                                    : platform::StartResult::Started;
            const size_t boxesBefore = platform.boxes.size();
            user.clickButton(window.get(), [this](QAbstractButton *b) {
                return b == step(Forward) ? 12 : b == step(Finished) ? 1 : 2;
            });
            checkSaving(boxesBefore);
            break;
        }
        case 1:
            user.pressKey(RandomUser::keyTarget(window.get()));
            break;
        case 2:
            if (box()->isVisible())
                user.type(box(), user.text());
            break;
        case 3:
            if (box()->isVisible())
                user.paste(box());
            break;
        case 4:
            user.moveOver(user.chance(0.7) ? static_cast<QWidget *>(tool(Tool(user.below(5))))
                                           : find(u"Frame2"_s));
            break;
        default:
            user.did(u"close the window"_s);
            window->close();
            break;
        }
    }

    // The About box: a few keys and clicks, then closed one way or another.
    void useAbout(QDialog &about)
    {
        user.did(u"About box opens"_s);
        for (int i = user.below(4); i > 0 && about.isVisible(); --i) {
            if (user.chance(0.5))
                user.pressKey(RandomUser::keyTarget(&about));
            else
                user.clickButton(&about);
        }
        if (user.chance(0.5) && about.isVisible()) {
            user.did(u"close the About box"_s);
            about.close();
        }
    }

    // A sheet stored on a Yes is in its file, or the user was told why not.
    void checkSaving(size_t boxesBefore)
    {
        for (size_t i = boxesBefore; i < platform.boxes.size(); ++i) {
            const QString &question = platform.boxes[i].text;
            if (!question.startsWith(StoreQuestion) || lastAnswer != platform::Yes)
                continue;
            const bool told = i + 1 < platform.boxes.size()
                && platform.boxes[i + 1].text.startsWith(u"The Work Sheet could not be stored");
            const QString path = question.sliced(StoreQuestion.size()).chopped(1);
            QFile file(path);
            if (told)
                continue;
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            EXPECT_TRUE(QString::fromUtf8(file.readAll()).startsWith(window->answerText()));
            file.remove();
        }
    }

    // What must hold whatever was done.
    void checkRules()
    {
        const planner::PlannerState &s = state();
        ASSERT_GE(s.currentScreen, 0);
        ASSERT_LE(s.currentScreen, 30);
        EXPECT_GE(s.screenEnd, 0);
        EXPECT_LE(s.screenEnd, 30);
        EXPECT_LE(s.workName.size(), 40);
        EXPECT_FALSE(std::any_of(s.workName.cbegin(), s.workName.cend(), isControl))
            << s.workName.toStdString();
        if (s.currentScreen == 0) {
            EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
            EXPECT_FALSE(step(Back)->isEnabled());
            EXPECT_FALSE(step(Forward)->isEnabled());
            return;
        }
        ASSERT_LE(s.currentScreen, s.screenEnd);
        EXPECT_FALSE(shown(u"Frame3"_s));
        EXPECT_FALSE(shown(u"Picture2"_s));
        EXPECT_TRUE(shown(u"Command2"_s));
        if (s.currentScreen >= 3) {
            EXPECT_TRUE(step(Back)->isEnabled());
        }
        const bool sheet = title() == s.toolName + u" Summary";
        EXPECT_EQ(shown(u"Command1_3"_s), sheet);
        EXPECT_EQ(shown(u"Command3"_s), sheet);
        EXPECT_EQ(step(Forward)->isEnabled(), !sheet);
        EXPECT_EQ(shown(u"Frame2"_s), !sheet);
        if (sheet) {
            ++sheets;
            EXPECT_EQ(s.currentScreen, s.screenEnd - 1);
            EXPECT_TRUE(box()->isVisible());
            return;
        }
        const planner::Screen &screen = s.script[size_t(s.currentScreen)];
        EXPECT_EQ(title(), QString(screen.title).replace(u"\r\n"_s, u"\n"_s));
        EXPECT_EQ(box()->isVisible(), screen.takesAnswer == planner::TrueFlag);
        if (NamingTitles.contains(screen.title)) {
            const QString name = box()->toPlainText();
            EXPECT_LE(name.size(), 40);
            EXPECT_EQ(box()->document()->blockCount(), 1);
            EXPECT_FALSE(std::any_of(name.cbegin(), name.cend(), isControl))
                << RandomUser::describe(name).toStdString();
        }
    }

    QTemporaryDir docs;
    RandomUser user{600};
    int lastAnswer = platform::No;
    int sheets = 0; // steps that ended on a work sheet
};

TEST_F(RandomUse, ThePlannerKeepsItsRulesWhateverTheUserDoes)
{
    for (user.step = 1; user.step <= user.steps && !HasFailure(); ++user.step) {
        const int ends = platform.programEnds;
        act();
        if (HasFailure())
            ADD_FAILURE() << user.where();
        SCOPED_TRACE(user.where());
        if (platform.programEnds != ends)
            restart();
        checkRules();
        // What the double keeps would only grow.
        platform.boxes.clear();
        platform.printed.clear();
    }
    std::cout << "RANDOM_SEED=" << user.seed << ": " << user.step - 1 << " steps, " << sheets
              << " on a work sheet, " << platform.jobs << " print jobs, " << platform.started.size()
              << " type finder starts" << std::endl;
}

} // namespace
