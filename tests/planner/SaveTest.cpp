#include "PlannerWindow.h"

#include "WorkSheetFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace {

TEST(WorkSheetFile, NamesComeFromTheFirstTwentyCharacters)
{
    using planner::workSheetBaseName;
    EXPECT_EQ(workSheetBaseName(QStringLiteral("Q3/Q4 Sales plan for the northern region")),
              u"Q3Q4 Sales plan for");
    EXPECT_EQ(workSheetBaseName(QStringLiteral("a//b")), u"ab");
    EXPECT_EQ(workSheetBaseName(QStringLiteral("C:\\Sales\\Plan")), u"C:SalesPlan");
    EXPECT_EQ(workSheetBaseName(QString(19, u'x') + QString::fromUtf16(u"\U0001F600")),
              QString(19, u'x'));
    EXPECT_EQ(
        planner::workSheetPath(QStringLiteral("/opt/orvanta"), QStringLiteral("Budget review")),
        u"/opt/orvanta/Docs/Budget review.doc");
}

class Saving : public PlannerWindow
{
protected:
    void SetUp() override
    {
        PlannerWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
        platform.folder = folder.path();
    }

    // Walks the Meeting Planner to its sheet with this name and one more answer.
    void sheetNamed(const QString &name, const QString &place = QStringLiteral("Room 4"))
    {
        start(Meeting);
        press(Forward);
        type(name);
        press(Forward);
        type(place);
        walkToSheet([](int) { return QString(); });
    }

    void save(int answer)
    {
        platform.answers = {answer};
        QTest::mouseClick(find(QStringLiteral("Command3")), Qt::LeftButton);
    }

    QByteArray saved(const QString &base) const
    {
        QFile file(folder.filePath(u"Docs/" + base + u".doc"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
    }

    QTemporaryDir folder;
};

TEST_F(Saving, TheSheetAsShownGoesIntoDocs)
{
    sheetNamed(QStringLiteral("Q3/Q4 Sales plan for the northern region"));
    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(box(), Qt::Key_Return);
    type(QStringLiteral("Added in the sheet"));
    const QString shown = window->answerText();

    save(platform::No);
    ASSERT_EQ(platform.boxes.size(), 1u);
    const QString path = folder.path() + u"/Docs/Q3Q4 Sales plan for.doc";
    EXPECT_EQ(platform.boxes[0].text,
              u"Do you wish to store a copy of this Work Sheet on disk? (" + path + u')');
    EXPECT_EQ(platform.boxes[0].flags, 36);
    EXPECT_EQ(platform.boxes[0].title, u"Orvanta");
    EXPECT_FALSE(QFile::exists(path));

    save(platform::Yes);
    EXPECT_EQ(platform.boxes.size(), 2u); // no message after a good save
    EXPECT_EQ(
        saved(QStringLiteral("Q3Q4 Sales plan for")),
        "\r\nMEETING - NAME.\r\n\r\nQ3/Q4 Sales plan for the northern region\r\n\r\n"
        "MEETING - WHERE AND WHEN.\r\n\r\nRoom 4\r\n\r\n"
        "WHAT IS THE PURPOSE OF THIS MEETING?\r\n\r\n\r\n\r\nBACKGROUND RESEARCH.\r\n\r\n\r\n\r\n"
        "THE MEETING / AGENDA.\r\n\r\n\r\n\r\nWHAT TO TAKE.\r\n\r\n\r\n\r\nGENERAL NOTES.\r\n\r\n\r\n"
        "Added in the sheet\r\n\r\nPOST-MORTEM.\r\n"
        "Was it successful and what can be improved for next time?\r\n");

    // Saving again replaces the file.
    box()->selectAll();
    type(QStringLiteral("Short"));
    save(platform::Yes);
    EXPECT_EQ(
        saved(QStringLiteral("Q3Q4 Sales plan for")),
        "Short\r\n\r\nPOST-MORTEM.\r\nWas it successful and what can be improved for next time?\r\n");
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("Docs"))).entryList(QDir::Files).size(), 1);
}

TEST_F(Saving, EveryCharacterReadsBackExactly)
{
    const QString name =
        QString::fromUtf16(u"Caf\u00e9 Z\u00fcrich \u20ac5 \u4f1a\u8b70 \U0001F600");
    const QString answer =
        QString::fromUtf16(u"Na\u00efve r\u00e9sum\u00e9 \u2013 \u00a3500\u00a0net");
    sheetNamed(name, answer);
    save(platform::Yes);
    const QByteArray bytes = saved(name);
    EXPECT_TRUE(bytes.contains(name.toUtf8()));
    EXPECT_TRUE(bytes.contains(QString(u"\r\n" + answer + u"\r\n").toUtf8()));
    EXPECT_TRUE(QString::fromUtf8(bytes).startsWith(u"\r\nMEETING - NAME.\r\n\r\n" + name));
}

TEST_F(Saving, AFolderThatCannotBeWrittenIsToldAndNothingIsLost)
{
    // A plain file where the Docs folder should be.
    QFile blocker(folder.filePath(QStringLiteral("Docs")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    sheetNamed(QStringLiteral("Budget review"));
    const QString shown = window->answerText();
    save(platform::Yes);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].flags, 48);
    EXPECT_EQ(platform.boxes[1].title, u"Orvanta");
    EXPECT_TRUE(platform.boxes[1].text.startsWith(u"The Work Sheet could not be stored in:\r\n\r\n"
                                                  + folder.path()
                                                  + u"/Docs/Budget review.doc\r\n\r\n"));
    EXPECT_GT(platform.boxes[1].text.size(), 80); // with the system's reason
    EXPECT_EQ(window->answerText(), shown);
    EXPECT_TRUE(box()->isVisible());
}

TEST_F(Saving, AWriteThatFailsHalfWayKeepsTheEarlierFile)
{
    sheetNamed(QStringLiteral("Budget review"));
    save(platform::Yes);
    const QByteArray earlier = saved(QStringLiteral("Budget review"));

    // Let the file system refuse anything beyond 1 KB, then save a long sheet.
    box()->selectAll();
    box()->insertPlainText(QString(4000, u'x'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{1024, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    save(platform::Yes);
    setrlimit(RLIMIT_FSIZE, &limit);

    ASSERT_EQ(platform.boxes.size(), 3u);
    EXPECT_EQ(platform.boxes[2].flags, 48);
    EXPECT_TRUE(platform.boxes[2].text.endsWith(u"File too large"))
        << platform.boxes[2].text.toStdString();
    EXPECT_EQ(saved(QStringLiteral("Budget review")), earlier);
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("Docs"))).entryList(QDir::Files).size(), 1);
}

} // namespace
