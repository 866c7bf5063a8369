// A Qt plugin that drives the real programs from inside, for the program
// folder test: QT_QPA_GENERIC_PLUGINS=programdriver loads it into either
// program, and it writes what it saw, line by line, to $ORVANTA_DRIVER_LOG.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

void note(const QString &line)
{
    QFile log(qEnvironmentVariable("ORVANTA_DRIVER_LOG"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write((line + u'\n').toUtf8());
}

QWidget *mainWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown =
        std::find_if(windows.cbegin(), windows.cend(), [](QWidget *w) { return w->isVisible(); });
    return shown == windows.cend() ? nullptr : *shown;
}

// Notes the text of the message box the next click opens, and says Yes to it.
void answerNextBox()
{
    QTimer::singleShot(0, qApp, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            note(u"box " + box->text());
            QAbstractButton *yes = box->button(QMessageBox::Yes);
            QTest::mouseClick(yes ? yes : box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    });
}

bool click(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QAbstractButton *>(name);
    if (!button) {
        note(u"no button " + name);
        return false;
    }
    answerNextBox();
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Starts the type finder from the tool menu, then walks the Strategy Planner
// to its work sheet and saves it.
void drivePlanner(QWidget *window)
{
    if (!click(window, QStringLiteral("Command4_3")) || !click(window, QStringLiteral("Command4_2"))
        || !click(window, QStringLiteral("Command1_2")))
        return;
    QTest::keyClicks(window->findChild<QPlainTextEdit *>(QStringLiteral("Text1")),
                     QStringLiteral("Portable plan"));
    auto *forward = window->findChild<QAbstractButton *>(QStringLiteral("Command1_2"));
    for (int screen = 0; screen < 100 && forward->isEnabled(); ++screen)
        click(window, QStringLiteral("Command1_2"));
    click(window, QStringLiteral("Command3"));
}

void drive()
{
    QWidget *window = mainWindow();
    const QString program = QCoreApplication::applicationName();
    note(program + u' ' + QCoreApplication::applicationDirPath());
    if (window && program == u"orvanta")
        drivePlanner(window);
    else if (!window)
        note(QStringLiteral("no window"));
    QCoreApplication::quit();
}

} // namespace

class ProgramDriver : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "ProgramDriver.json")

public:
    QObject *create(const QString &, const QString &) override
    {
        // Once the program's window is up and its event loop runs. The timer owns
        // the call, which the analyser does not see.
        QTimer::singleShot(0, qApp, drive); // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
        return new QObject;
    }
};

#include "ProgramDriver.moc"
