#include "PlannerWindow.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

// The Print button through Qt and a real CUPS scheduler, whose default queue
// keeps what reaches it (see print-server).
class PrintSystem : public PlannerWindow
{
protected:
    void SetUp() override
    {
        QFile unavailable(server.filePath(QStringLiteral("unavailable")));
        if (unavailable.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no print server here: " << unavailable.readAll().toStdString();
        PlannerWindow::SetUp();
        platform.printForReal({});
    }

    std::string serverLog() const
    {
        QFile log(server.filePath(QStringLiteral("server/log/error_log")));
        return log.open(QIODevice::ReadOnly) ? log.readAll().right(2000).toStdString() : "(none)";
    }

    const QDir server{qEnvironmentVariable("ORVANTA_PRINT_SERVER")};
};

TEST_F(PrintSystem, AWalkedPlannerReachesTheDefaultQueue)
{
    const QDir jobs(server.filePath(QStringLiteral("jobs")));
    const QStringList before = jobs.entryList({QStringLiteral("*.data")}); // other tests' jobs
    start(Strategy);
    walkToSheet({{2, u"Win the Hanson account"_s}, {7, u"Meet the buyers first"_s}});
    platform.answers = {platform::Yes};
    press(Print);
    ASSERT_EQ(platform.boxes.size(), 1u) << platform.boxes.back().text.toStdString();

    QStringList arrived;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            arrived = jobs.entryList({QStringLiteral("*.data")});
            for (const QString &job : before)
                arrived.removeOne(job);
            return !arrived.isEmpty();
        },
        30000))
        << "no job reached the queue; the server's log ends:\n"
        << serverLog();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), jobs.filePath(arrived[0]), QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    EXPECT_TRUE(text.contains(u"The Strategy Planner Printed: 5 December 2026"))
        << text.toStdString();
    EXPECT_TRUE(
        text.contains(u"Task - Name. Win the Hanson account What is the purpose of this task?"));
    EXPECT_TRUE(text.contains(u"The Strategy. Meet the buyers first"));
    EXPECT_TRUE(
        text.endsWith(u"Post-mortem - Was it successful and what can be improved for next time?"));
}

} // namespace
