#include "PlannerWindow.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// The Print button through Qt's printer, into a PDF file read back with pdftotext.
class PrintToPdf : public PlannerWindow
{
protected:
    void SetUp() override
    {
        PlannerWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
        platform.printForReal(pdf());
    }

    QString pdf() const { return folder.filePath(QStringLiteral("sheet.pdf")); }

    static QString pdftotext(const QStringList &arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), arguments);
        EXPECT_TRUE(tool.waitForFinished(30000)) << "pdftotext is part of poppler-utils";
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    // The Meeting Planner with a long list of things to take, printed.
    void printMeeting()
    {
        start(Meeting);
        press(Forward);
        type(QStringLiteral("Budget review"));
        walkToSheet([](int screen) {
            if (screen != 10)
                return QString();
            QStringList items;
            for (int i = 1; i <= 70; ++i)
                items.append(u"Item " + QString::number(i));
            return items.join(u'\n');
        });
        platform.answers = {platform::Yes};
        press(Print);
        ASSERT_TRUE(platform.boxes.size() == 1u) << "no error message";
    }

    QTemporaryDir folder;
};

TEST_F(PrintToPdf, TheSheetReadsBackInOrderOverTwoPages)
{
    printMeeting();
    const QString text = pdftotext({QStringLiteral("-layout"), pdf(), QStringLiteral("-")});
    EXPECT_GE(text.count(u'\f'), 2) << "a long sheet runs onto a second page";

    QStringList lines;
    for (const QString &line : text.split(u'\n')) {
        if (!line.trimmed().isEmpty())
            lines.append(line.simplified());
    }
    const QString rule(80, u'_');
    ASSERT_GE(lines.size(), 10);
    EXPECT_EQ(lines[0], rule);
    EXPECT_EQ(lines[1], u"The Meeting Planner Printed: 5 December 2026");
    EXPECT_EQ(lines[2], rule);
    EXPECT_EQ(lines.mid(3, 5),
              QStringList({QStringLiteral("Meeting - Name."), QStringLiteral("Budget review"),
                           QStringLiteral("Meeting - Where and When."), rule,
                           QStringLiteral("What is the purpose of this meeting?")}));
    EXPECT_LT(lines.indexOf(QStringLiteral("Item 1")), lines.indexOf(QStringLiteral("Item 70")));
    EXPECT_EQ(lines.indexOf(QStringLiteral("The Meeting Planner is finished")), -1);
    EXPECT_EQ(lines.last(),
              u"Post-mortem - Was it successful and what can be improved for next time?");
}

TEST_F(PrintToPdf, TheHeadingTitlesAndAnswersHaveTheirSizes)
{
    printMeeting();
    const QString boxes =
        pdftotext({QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                   QStringLiteral("-l"), QStringLiteral("1"), pdf(), QStringLiteral("-")});
    // The height of each word's box follows its font size.
    std::map<QString, double> height;
    static const QRegularExpression word(
        QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]+)</word>)re"));
    for (const QRegularExpressionMatch &m : word.globalMatch(boxes)) {
        if (!height.count(m.captured(3)))
            height[m.captured(3)] = m.captured(2).toDouble() - m.captured(1).toDouble();
    }
    ASSERT_TRUE(height.count(QStringLiteral("Planner")) && height.count(QStringLiteral("Where"))
                && height.count(QStringLiteral("Budget"))
                && height.count(QStringLiteral("Printed:")));
    EXPECT_NEAR(height[QStringLiteral("Planner")] / height[QStringLiteral("Budget")], 16.0 / 11,
                0.1);
    EXPECT_NEAR(height[QStringLiteral("Where")] / height[QStringLiteral("Budget")], 14.0 / 11, 0.1);
    EXPECT_NEAR(height[QStringLiteral("Printed:")], height[QStringLiteral("Budget")], 0.5);
}

TEST_F(PlannerWindow, WithoutAPrinterTheUserIsToldTheErrorNumber)
{
    qputenv("CUPS_SERVER", QDir::temp().filePath(QStringLiteral("no-print-server.sock")).toUtf8());
    platform.printForReal({});
    start(PhoneCall);
    press(Forward);
    type(QStringLiteral("Quote"));
    walkToSheet([](int) { return QString(); });
    platform.answers = {platform::Yes};
    press(Print);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text, u"Command1_Click_error 482");
    EXPECT_TRUE(step(Print)->isVisible()); // the sheet stays, ready for another try
}

} // namespace
