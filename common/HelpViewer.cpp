#include "HelpViewer.h"

#include "HelpTopics.h"

#include <QFile>
#include <QKeyEvent>
#include <QTextBlock>

HelpViewer::HelpViewer(const QString &path, QWidget *owner)
    : QTextBrowser(owner)
    , m_path(path)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Help"));
    resize(560, 520);
    document()->setDocumentMargin(12);
    if (owner) {
        QFont font = owner->font();
        font.setPointSizeF(10);
        setFont(font);
        // Over its owner's window rather than wherever the system puts it.
        move(owner->window()->geometry().center() - rect().center());
    }
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        if (const int context = help::linkedContext(link.toString()))
            showTopic(context);
    });
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        m_file = QString::fromUtf8(file.readAll());
        m_readable = file.error() == QFileDevice::NoError;
    }
}

void HelpViewer::showTopic(int context)
{
    const QString topic = m_readable ? help::topic(m_file, context) : QString();
    if (!m_readable)
        setPlainText(QStringLiteral("The help file %1 could not be read.").arg(m_path));
    else if (topic.isEmpty())
        setPlainText(QStringLiteral("The help file %1 has no topic %2.").arg(m_path).arg(context));
    else
        setHtml(topic);
    // The window is named after the topic's heading, and so is the text a
    // screen reader is in: a link followed from the keyboard is heard as the
    // name of the topic it leads to.
    const QString heading = topic.isEmpty() ? QString() : document()->begin().text();
    setWindowTitle(heading.isEmpty() ? QStringLiteral("Help") : heading);
    setAccessibleName(windowTitle());
}

void HelpViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}
