#pragma once

#include <QTextBrowser>

// The help window: one topic of a help file at a time, its links leading
// to the others.
class HelpViewer : public QTextBrowser
{
    Q_OBJECT

public:
    HelpViewer(const QString &path, QWidget *owner);

    const QString &path() const { return m_path; }
    void showTopic(int context);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_path;
    QString m_file;
    bool m_readable = false;
};
