#pragma once

#include "Platform.h"

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
    bool writeTextFile(const QString &path, const QString &text, QString &reason) override;
    std::unique_ptr<TextPrinter> openTextPrinter() override;
    int printWindowImage(QWidget &window) override;
    QString today() const override;
    void showModal(QDialog &dialog) override;
    void endProgram() override;

protected:
    // The default printer; null when there is none to print on.
    virtual std::unique_ptr<QPrinter> newPrinter() const;
};

} // namespace platform
