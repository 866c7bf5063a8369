#include "PrintedPdf.h"
#include "VelkinWindow.h"

#include "PlannerState.h"
#include "WorkSheetPrint.h"

#include <QDir>
#include <QFile>

namespace {

// Both printer paths through Qt and the tests' own CUPS scheduler (see
// print-server), whose queues keep what reaches them.
class PrintSystem : public VelkinWindow
{
protected:
    void SetUp() override
    {
        QFile unavailable(server.filePath(u"unavailable"_s));
        if (unavailable.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no print server here: " << unavailable.readAll().toStdString();
        VelkinWindow::SetUp();
        platform.printForReal({});
    }

    QStringList jobs() const { return QDir(server.filePath(u"jobs"_s)).entryList({u"*.data"_s}); }

    // Prints with `print` on the default queue and reads back the job that arrives.
    PrintedPdf printed(const std::function<void()> &print)
    {
        const QStringList before = jobs();
        platform.answers = {platform::Yes};
        print();
        EXPECT_TRUE(QTest::qWaitFor([&] { return jobs().size() > before.size(); }, 30000))
            << "no job reached the queue";
        QString job;
        for (const QString &name : jobs()) {
            if (!before.contains(name))
                job = QDir(server.filePath(u"jobs"_s)).filePath(name);
        }
        return PrintedPdf(job);
    }

    const QDir server{qEnvironmentVariable("ORVANTA_PRINT_SERVER")};
};

TEST_F(PrintSystem, AWorkSheetReachesTheDefaultQueue)
{
    planner::PlannerState state;
    state.startTool(planner::PlannerTool::Strategy);
    state.screen(2) = {u"Task - Name."_s, {}, planner::TrueFlag, u"Win the Hanson account"_s};
    state.screen(3) = {u"The Strategy."_s, {}, planner::TrueFlag, u"Meet the buyers first"_s};
    state.screenEnd = 4;
    const QString text = printed([&] { planner::PrintWorkSheet(state, platform); }).text();
    EXPECT_TRUE(text.contains(u"The Strategy Planner Printed: 5 December 2026")) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Task - Name. Win the Hanson account The Strategy. Meet the"));
    EXPECT_TRUE(text.endsWith(u"Post-mortem - Was it successful and what can be improved for next time?"));
}

// One page whose words are text, on the queue's own paper where it has one,
// in colour only where the queue prints colour.
TEST_F(PrintSystem, TheTypeFinderPrintsAsTextOnEachQueuesPaperInItsColours)
{
    click({"Option2", "Option4", "Option6"});
    const PrintedPdf raw = printed([&] { click({"Command3"}); }); // knows no paper, prints grey
    EXPECT_EQ(raw.pages, 1);
    EXPECT_TRUE(raw.text().contains(u"MAIN TYPE: 'Details' person.")) << raw.text().toStdString();
    EXPECT_EQ(raw.paper, QSizeF(595, 842)); // Qt's A4
    EXPECT_FALSE(raw.inColour(u"Match")); // the dark red heading

    qputenv("LPDEST", "orvanta-letter"); // the user's default, over the server's
    const PrintedPdf letter = printed([&] { click({"Command3"}); });
    qunsetenv("LPDEST");
    EXPECT_EQ(letter.pages, 1);
    EXPECT_TRUE(letter.text().contains(u"MAIN TYPE: 'Details' person."));
    EXPECT_EQ(letter.paper, QSizeF(612, 792));
    EXPECT_TRUE(letter.inColour(u"Match"));
    EXPECT_EQ(platform.boxes.size(), 2u) << "no error message";
}

} // namespace
