#include "PlannerState.h"
#include "PrintedPdf.h"
#include "VelkinWindow.h"
#include "WorkSheetPrint.h"

#include <QDir>
#include <QFile>

namespace {

// Through Qt and the tests' own CUPS scheduler (see print-server), whose queues keep
// what reaches them: the default knows no paper and prints grey, orvanta-letter holds
// Letter and prints colour.
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
    void TearDown() override { qunsetenv("LPDEST"); }

    // The job that `print` sends, once the queue has kept it.
    PrintedPdf job(const std::function<void()> &print) const
    {
        const qsizetype before = jobs.entryList({u"*.data"_s}).size();
        print();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return jobs.entryList({u"*.data"_s}).size() > before; }, 30000))
            << "no job reached the queue";
        return PrintedPdf(
            jobs.filePath(jobs.entryList({u"*.data"_s}, QDir::Files, QDir::Time).value(0)));
    }

    const QDir server{qEnvironmentVariable("ORVANTA_PRINT_SERVER")};
    const QDir jobs{server.filePath(u"jobs"_s)};
};

// The window prints as one page whose words are text, on the queue's own paper where it has
// one (else Qt's A4), in colour only where the queue prints colour.
TEST_F(PrintSystem, TheWindowPrintsAsTextOnEachQueuesPaperInItsColours)
{
    click({"Option2", "Option4", "Option6"});
    for (const bool letter : {false, true}) {
        if (letter) // the user's default, over the server's
            qputenv("LPDEST", "orvanta-letter");
        const PrintedPdf printed = job([&] {
            platform.answers = {platform::Answer::Yes};
            click({"Command3"});
        });
        EXPECT_EQ(printed.pages, 1);
        EXPECT_TRUE(printed.reading.simplified().contains(u"MAIN TYPE: 'Details' person."));
        EXPECT_EQ(printed.paper, letter ? QSizeF(612, 792) : QSizeF(595, 842));
        EXPECT_EQ(printed.inColour(u"Match"), letter); // the dark red heading
    }
}

// The work sheet goes on the Letter queue's own paper too.
TEST_F(PrintSystem, TheWorkSheetPrintsOnTheQueuesPaper)
{
    qputenv("LPDEST", "orvanta-letter");
    planner::PlannerState state;
    state.startTool(planner::PlannerTool::Meeting);
    state.screen(2) = {u"Meeting - Name."_s,
                       {},
                       planner::TrueFlag,
                       u"Budget review"_s,
                       planner::ScreenRole::Naming};
    state.screenEnd = 3;
    const PrintedPdf printed = job([&] {
        const std::unique_ptr<platform::TextPrinter> printer = platform.openTextPrinter();
        planner::layOutWorkSheet(state, u"5 December 2026"_s, *printer);
        EXPECT_EQ(printer->finish(), 0);
    });
    EXPECT_EQ(printed.paper, QSizeF(612, 792));
    EXPECT_TRUE(printed.reading.contains(u"Budget review"));
}

} // namespace
