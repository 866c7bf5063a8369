#include "PlannerWindow.h"

#include "WorkSheetFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace {

TEST(WorkSheetFile, NamesComeFromTheFirstTwentyCharacters)
{
    using planner::workSheetBaseName;
    EXPECT_EQ(workSheetBaseName(u"Q3/Q4 Sales plan for the northern region"_s),
              u"Q3Q4 Sales plan for");
    EXPECT_EQ(workSheetBaseName(u"a//b"_s), u"ab");
    EXPECT_EQ(workSheetBaseName(u"C:\\Sales\\Plan"_s), u"C:SalesPlan");
    EXPECT_EQ(workSheetBaseName(QString(19, u'x') + u"\U0001F600"), QString(19, u'x'));
}

const QByteArray PostMortem =
    "\r\n\r\nPOST-MORTEM.\r\nWas it successful and what can be improved for next time?\r\n";

// Saving and printing the work sheet: files go into a folder of the test's own.
class Saving : public PlannerWindow
{
protected:
    void SetUp() override
    {
        PlannerWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
        platform.folder = folder.path();
    }

    // Walks the Meeting Planner to its sheet with this name and place.
    void sheetNamed(const QString &name, const QString &place = u"Room 4"_s)
    {
        start(Meeting);
        walkToSheet({{2, name}, {3, place}});
    }

    void save(int answer)
    {
        platform.answers = {answer};
        click(find(u"Command3"_s));
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
    sheetNamed(u"Q3/Q4 Sales plan for the northern region"_s);
    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(box(), Qt::Key_Return);
    type(u"Added in the sheet"_s);

    save(platform::No);
    const QString path = folder.path() + u"/Docs/Q3Q4 Sales plan for.doc";
    const FakePlatform::Box question{u"Do you wish to store a copy of this Work Sheet on disk? ("
                                         + path + u')',
                                     36, u"Orvanta"_s};
    EXPECT_EQ(platform.boxes, Boxes{question});
    EXPECT_FALSE(QFile::exists(path));

    save(platform::Yes);
    EXPECT_EQ(platform.boxes, (Boxes{question, question})); // no message after a good save
    EXPECT_EQ(
        saved(u"Q3Q4 Sales plan for"_s),
        "\r\nMEETING - NAME.\r\n\r\nQ3/Q4 Sales plan for the northern region\r\n\r\n"
        "MEETING - WHERE AND WHEN.\r\n\r\nRoom 4\r\n\r\nWHAT IS THE PURPOSE OF THIS MEETING?"
        "\r\n\r\n\r\n\r\nBACKGROUND RESEARCH.\r\n\r\n\r\n\r\nTHE MEETING / AGENDA.\r\n\r\n\r\n\r\n"
        "WHAT TO TAKE.\r\n\r\n\r\n\r\nGENERAL NOTES.\r\n\r\n\r\nAdded in the sheet"
            + PostMortem);

    // Saving again replaces the file.
    box()->selectAll();
    type(u"Short"_s);
    save(platform::Yes);
    EXPECT_EQ(saved(u"Q3Q4 Sales plan for"_s), "Short" + PostMortem);
    EXPECT_EQ(QDir(folder.filePath(u"Docs"_s)).entryList(QDir::Files).size(), 1);

    // A name and an answer beyond ASCII read back exactly.
    platform.answers = {platform::Yes};
    press(Finished);
    const QString name = u"Caf\u00e9 Z\u00fcrich \u20ac5 \u4f1a\u8b70 \U0001F600"_s;
    const QString answer = u"Na\u00efve r\u00e9sum\u00e9 \u2013 \u00a3500\u00a0net"_s;
    sheetNamed(name, answer);
    save(platform::Yes);
    EXPECT_TRUE(QString::fromUtf8(saved(name))
                    .startsWith(u"\r\nMEETING - NAME.\r\n\r\n" + name
                                + u"\r\n\r\nMEETING - WHERE AND WHEN.\r\n\r\n" + answer + u"\r\n"));
}

// The keyboard alone walks a planner from the tool menu to a saved and printed sheet and back.
TEST_F(Saving, TheKeyboardAloneWalksAPlannerToASavedAndPrintedSheet)
{
    const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    key(Qt::Key_Tab); // from the type finder's tool to the Presentation Planner's
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // the Meeting Planner
    EXPECT_EQ(state().toolName, u"The Meeting Planner");
    // An access key clicks its button a moment later, as a press of the button would.
    const auto forward = [&] {
        const int16_t from = state().currentScreen;
        key(Qt::Key_F, Qt::AltModifier);
        return QTest::qWaitFor(
            [&] { return state().currentScreen != from || !step(Forward)->isEnabled(); }, 2000);
    };
    ASSERT_TRUE(forward());
    EXPECT_EQ(QApplication::focusWidget(), box());
    QTest::keyClicks(box(), u"Budget review"_s);
    while (step(Forward)->isEnabled())
        ASSERT_TRUE(forward());
    EXPECT_EQ(title(), u"The Meeting Planner Summary");
    EXPECT_EQ(QApplication::focusWidget(), box());
    const QString sheet = text();
    key(Qt::Key_F, Qt::AltModifier); // Forward is disabled: the access key types nothing
    EXPECT_EQ(text(), sheet);

    key(Qt::Key_Tab); // to Save to Disk
    EXPECT_EQ(QApplication::focusWidget(), find(u"Command3"_s));
    platform.answers = {platform::Yes, platform::Yes, platform::Yes};
    key(Qt::Key_Space);
    QTRY_COMPARE(platform.boxes.size(), 1u);
    EXPECT_TRUE(QFile::exists(folder.path() + u"/Docs/Budget review.doc"));
    key(Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(platform.jobs, 1);
    key(Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(state().currentScreen, 0);
    EXPECT_EQ(QApplication::focusWidget(), tool(TypeFinder));
}

TEST_F(Saving, AFailedSaveIsToldAndLosesNothing)
{
    QFile blocker(folder.filePath(u"Docs"_s)); // a plain file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    sheetNamed(u"Budget review"_s);
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

    // A write that the file system refuses half way, beyond 1 KB, keeps the earlier file.
    ASSERT_TRUE(blocker.remove());
    save(platform::Yes);
    const QByteArray earlier = saved(u"Budget review"_s);
    box()->selectAll();
    box()->insertPlainText(QString(4000, u'x'));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{1024, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    save(platform::Yes);
    setrlimit(RLIMIT_FSIZE, &limit);
    ASSERT_EQ(platform.boxes.size(), 5u);
    EXPECT_EQ(platform.boxes[4].flags, 48);
    EXPECT_TRUE(platform.boxes[4].text.endsWith(u"File too large"))
        << platform.boxes[4].text.toStdString();
    EXPECT_EQ(saved(u"Budget review"_s), earlier);
    EXPECT_EQ(QDir(folder.filePath(u"Docs"_s)).entryList(QDir::Files).size(), 1);
}

QString pdftotext(const QStringList &arguments)
{
    QProcess tool;
    tool.start(u"pdftotext"_s, arguments);
    EXPECT_TRUE(tool.waitForFinished(30000)) << "pdftotext is part of poppler-utils";
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The Print button through Qt's printer, into a PDF file read back with pdftotext: the
// Meeting Planner with a long list of things to take.
TEST_F(Saving, PrintedToPdfTheSheetReadsBackInOrderAndInItsSizes)
{
    const QString pdf = folder.filePath(u"sheet.pdf"_s);
    platform.printForReal(pdf);
    start(Meeting);
    QStringList items;
    for (int i = 1; i <= 70; ++i)
        items.append(u"Item " + QString::number(i));
    walkToSheet({{2, u"Budget review"_s}, {10, items.join(u'\n')}});
    platform.answers = {platform::Yes};
    press(Print);
    ASSERT_EQ(platform.boxes.size(), 1u) << "no error message";

    const QString text = pdftotext({u"-layout"_s, pdf, u"-"_s});
    EXPECT_GE(text.count(u'\f'), 2) << "a long sheet runs onto a second page";
    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines.append(line.simplified());
    }
    const QString rule(80, u'_');
    EXPECT_EQ(lines.mid(0, 8),
              QStringList({rule, u"The Meeting Planner Printed: 5 December 2026"_s, rule,
                           u"Meeting - Name."_s, u"Budget review"_s, u"Meeting - Where and When."_s,
                           rule, u"What is the purpose of this meeting?"_s}));
    EXPECT_LT(lines.indexOf(u"Item 1"_s), lines.indexOf(u"Item 70"_s));
    EXPECT_EQ(lines.last(),
              u"Post-mortem - Was it successful and what can be improved for next time?");

    // The height of each word's box on page 1 follows its font size: 16, 14 and 11 points.
    const QString boxes = pdftotext({u"-bbox"_s, u"-f"_s, u"1"_s, u"-l"_s, u"1"_s, pdf, u"-"_s});
    std::map<QString, double> height;
    static const QRegularExpression word(
        uR"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]+)</word>)re"_s);
    for (const QRegularExpressionMatch &m : word.globalMatch(boxes))
        height.try_emplace(m.captured(3), m.captured(2).toDouble() - m.captured(1).toDouble());
    for (const QString &w : {u"Planner"_s, u"Where"_s, u"Budget"_s, u"Printed:"_s})
        ASSERT_TRUE(height.count(w)) << w.toStdString();
    EXPECT_NEAR(height[u"Planner"_s] / height[u"Budget"_s], 16.0 / 11, 0.1);
    EXPECT_NEAR(height[u"Where"_s] / height[u"Budget"_s], 14.0 / 11, 0.1);
    EXPECT_NEAR(height[u"Printed:"_s], height[u"Budget"_s], 0.5);
}

TEST_F(PlannerWindow, WithoutAPrinterTheUserIsToldTheErrorNumber)
{
    // A print server that is not there: no printers at all.
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QDir::temp().filePath(u"no-print-server.sock"_s).toUtf8());
    platform.printForReal({});
    start(PhoneCall);
    walkToSheet({{2, u"Quote"_s}});
    platform.answers = {platform::Yes};
    press(Print);
    if (server.isEmpty())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", server);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text, u"Command1_Click_error 482");
    EXPECT_TRUE(step(Print)->isVisible()); // the sheet stays, ready for another try
}

} // namespace
