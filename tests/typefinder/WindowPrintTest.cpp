#include "VelkinWindow.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

// Printing either window: after a question, the window as it shows, with a
// few changes made for paper that are undone after it, whatever happened.
class WindowPrint : public VelkinWindow
{
protected:
    struct Colours
    {
        QColor text;
        QColor background;
        bool operator==(const Colours &) const = default;
    };
    static Colours colours(const QWidget *panel)
    {
        return {panel->palette().color(QPalette::Text), panel->palette().color(QPalette::Base)};
    }
    static QString labels(const QDialog &test)
    {
        return find<QLabel>(&test, "Label5")->text() + u'|' + find<QLabel>(&test, "Label3")->text();
    }
    // The results of a test whose answers are all In Charge, printed with `drive`.
    void printResults(const std::function<void(QDialog &)> &drive)
    {
        runTest([&](QDialog &test) {
            answerLetters(test, QString(24, u'I'));
            drive(test);
            click(&test, "Command1");
        });
    }

    const Colours onScreen{QColor(0x80, 0, 0), QColor(0xFF, 0xFF, 0xC0)};
    const Colours onPaper{Qt::white, Qt::black};
    const QString screenLabels =
        u"Click on the personality type red graph column to see the personality traits.|"
        u"In Charge          Enthusiastic          Friendly          Details"_s;
    const QString paperLabels = u"The higher the number the stonger personality type.|"
                                u"In Charge          Enthusiastic        Friendly        Details"_s;
};

TEST_F(WindowPrint, TheMainWindowPrintsItsPanelWhiteOnBlackAndSaysNothingOfFailures)
{
    click({"Option2", "Option4", "Option6"});
    const QWidget *panel = find("Label4");
    std::vector<Colours> printed;
    platform.onPrintWindow = [&](QWidget &shown) {
        EXPECT_EQ(&shown, window.get());
        printed.push_back(colours(panel));
    };
    platform.answers = {platform::No, platform::Yes, platform::Yes};
    click({"Command3", "Command3"});
    platform.windowPrintError = 482;
    click({"Command3"});
    EXPECT_EQ(printed, (std::vector<Colours>{onPaper, onPaper}));
    EXPECT_EQ(colours(panel), onScreen);
    const FakePlatform::Box question{u"Please Confirm that you wish to print this."_s, 4,
                                     u"Velkin Print"_s};
    EXPECT_EQ(platform.boxes, FakePlatform::Boxes(3, question)); // the questions only
}

TEST_F(WindowPrint, TheResultsPrintInTheirPaperWordingAndAFailureIsTold)
{
    printResults([&](QDialog &test) {
        QStringList printed;
        platform.onPrintWindow = [&](QWidget &shown) {
            EXPECT_EQ(&shown, &test);
            printed.append(labels(test));
        };
        platform.answers = {platform::No, platform::Yes, platform::Yes, platform::Yes};
        click(&test, "Command3");
        for (const int error : {0, 482, platform::CancelledError}) {
            platform.windowPrintError = error;
            click(&test, "Command3");
        }
        EXPECT_EQ(printed, QStringList(3, paperLabels));
        EXPECT_EQ(labels(test), screenLabels);
    });
    const FakePlatform::Box question{u"Please Confirm that you wish to print this."_s, 4,
                                     u"Self Test Print"_s};
    const FakePlatform::Box failed{u"Command3_Click_error 482"_s, 0, u"Velkin"_s};
    EXPECT_EQ(platform.boxes,
              (FakePlatform::Boxes{question, question, question, failed, question}));
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// Through Qt's printer into PDF files: one page each, holding the window's picture.
TEST_F(WindowPrint, BothWindowsPrintAsOnePagePictures)
{
    QTemporaryDir folder;
    const QString main = folder.filePath(u"main.pdf"_s);
    const QString results = folder.filePath(u"results.pdf"_s);
    click({"Option1", "Option3", "Option5"});
    platform.printForReal(main);
    platform.answers = {platform::Yes};
    click({"Command3"});
    printResults([&](QDialog &test) {
        platform.printForReal(results);
        platform.answers = {platform::Yes};
        click(&test, "Command3");
    });
    EXPECT_EQ(platform.boxes.size(), 2u) << "no error message";
    for (const QString &pdf : {main, results}) {
        EXPECT_TRUE(run(u"pdfinfo"_s, {pdf}).contains(u"Pages:           1\n"_s));
        // A heading line, a rule and one image.
        EXPECT_EQ(run(u"pdfimages"_s, {u"-list"_s, pdf}).count(u'\n'), 3);
    }
}

} // namespace
