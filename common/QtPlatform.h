#pragma once

#include "Platform.h"

#include <QPointer>

class QPrinter;

namespace platform {

// The desktop services, as Qt provides them.
class QtPlatform : public Platform
{
public:
    int messageBox(const QString &text, int flags, const QString &title) override;
    QString programFolder() const override;
    StartResult startProgram(const QString &path) override;
    bool createFolder(const QString &path) override;
    bool fileExists(const QString &path) const override;
    bool writeTextFile(const QString &path, const QString &text, bool replace,
                       QString &reason) override;
    std::unique_ptr<TextPrinter> openTextPrinter() override;
    int printWindowImage(QWidget &window) override;
    QString today() const override;
    void showHelp(QWidget &owner, const QString &path, int context) override;
    void showModal(QDialog &dialog) override;
    void endProgram() override;

protected:
    // The default printer on its own paper, for both print paths; null when
    // there is none to print on.
    virtual std::unique_ptr<QPrinter> newPrinter() const;

private:
    QPointer<QWidget> m_help; // made at the first call, gone when closed
};

} // namespace platform
