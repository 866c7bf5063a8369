// A Qt plugin that drives the real programs from inside, for the program
// folder test: QT_QPA_GENERIC_PLUGINS=programdriver loads it into either
// program, and it writes what it saw, line by line, to $ORVANTA_DRIVER_LOG.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

void note(const QString &line)
{
    QFile log(qEnvironmentVariable("ORVANTA_DRIVER_LOG"));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write((line + u'\n').toUtf8());
}

// Notes the text of a message box and says Yes to it, or the text of an About
// box and closes it.
void answer(QDialog *dialog)
{
    if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
        note(u"box " + box->text());
        QAbstractButton *yes = box->button(QMessageBox::Yes);
        yes ? yes->click() : box->accept();
        return;
    }
    const auto *text = dialog->findChild<QLabel *>(u"Label1"_s);
    note(u"about " + QCoreApplication::applicationName() + u' '
         + (text ? text->text().simplified() : QString()));
    dialog->close();
}

bool click(QWidget *window, const QString &name)
{
    auto *button = window->findChild<QAbstractButton *>(name);
    if (!button || !button->isEnabled())
        return false;
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

// Either program says where it runs and what its About box says. The planner
// starts the type finder from the tool menu, then walks the Strategy Planner to
// its work sheet, saves it and prints it.
void drive()
{
    const QString program = QCoreApplication::applicationName();
    note(program + u' ' + QCoreApplication::applicationDirPath());
    QWidget *window = QApplication::activeWindow() ? QApplication::activeWindow()
                                                   : QApplication::topLevelWidgets().value(0);
    click(window, program == u"orvanta" ? u"Command1_4"_s : u"Command1_1"_s); // About
    if (program == u"orvanta" && click(window, u"Command4_3"_s) && click(window, u"Command4_2"_s)
        && click(window, u"Command1_2"_s)) {
        QTest::keyClicks(window->findChild<QPlainTextEdit *>(u"Text1"_s), u"Portable plan"_s);
        for (int screen = 0; screen < 100 && click(window, u"Command1_2"_s); ++screen) { }
        click(window, u"Command3"_s);
        click(window, u"Command1_3"_s);
    }
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
        qApp->installEventFilter(this);
        // Once the program's window is up and its event loop runs. The timer owns
        // the call, which the analyser does not see.
        QTimer::singleShot(0, qApp, drive); // NOLINT(clang-analyzer-cplusplus.NewDeleteLeaks)
        return new QObject;
    }
    // Answers each modal window once it is up.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (event->type() == QEvent::Show && dialog && dialog->isModal()
            && !dialog->inherits("QProgressDialog")) // a print under way
            QTimer::singleShot(0, dialog, [dialog] { answer(dialog); });
        return false;
    }
};

#include "ProgramDriver.moc"
