#include "PrintedPdf.h"
#include "VelkinWindow.h"

#include <QDir>
#include <QFile>

namespace {

// The type finder's Print button through Qt and the tests' own CUPS scheduler
// (see print-server), whose queues keep what reaches them.
class WindowImagePrintSystem : public VelkinWindow
{
protected:
    void SetUp() override
    {
        QFile unavailable(server.filePath(QStringLiteral("unavailable")));
        if (unavailable.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no print server here: " << unavailable.readAll().toStdString();
        VelkinWindow::SetUp();
        platform.printForReal({});
    }

    QStringList jobs() const
    {
        return QDir(server.filePath(QStringLiteral("jobs"))).entryList({QStringLiteral("*.data")});
    }

    // Prints the main window on the default queue and reads back the job that arrives.
    PrintedPdf print()
    {
        const QStringList before = jobs();
        platform.answers = {platform::Yes};
        click({"Command3"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return jobs().size() > before.size(); }, 30000))
            << "no job reached the queue";
        QString job;
        for (const QString &name : jobs()) {
            if (!before.contains(name))
                job = QDir(server.filePath(QStringLiteral("jobs"))).filePath(name);
        }
        return PrintedPdf(job);
    }

    const QDir server{qEnvironmentVariable("ORVANTA_PRINT_SERVER")};
};

// One page whose words are text, on the queue's own paper where it has one,
// in colour only where the queue prints colour.
TEST_F(WindowImagePrintSystem, TheMainWindowPrintsAsTextOnEachQueuesPaperInItsColours)
{
    click({"Option2", "Option4", "Option6"});
    const PrintedPdf raw = print(); // a queue that knows no paper and prints grey
    EXPECT_EQ(raw.pages, 1);
    EXPECT_TRUE(raw.text().contains(u"MAIN TYPE: 'Details' person.")) << raw.text().toStdString();
    EXPECT_EQ(raw.paper, QSizeF(595, 842)); // Qt's A4
    EXPECT_FALSE(raw.inColour(u"Match")); // the dark red heading

    qputenv("LPDEST", "orvanta-letter"); // the user's default, over the server's
    const PrintedPdf letter = print();
    qunsetenv("LPDEST");
    EXPECT_EQ(letter.pages, 1);
    EXPECT_TRUE(letter.text().contains(u"MAIN TYPE: 'Details' person."));
    EXPECT_EQ(letter.paper, QSizeF(612, 792));
    EXPECT_TRUE(letter.inColour(u"Match"));
    EXPECT_EQ(platform.boxes.size(), 2u) << "no error message";
}

} // namespace
