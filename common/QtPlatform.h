#pragma once

#include "Platform.h"

class QPrinter;

namespace platform {

// The desktop services, as Qt provides them.
class QtPlatform final : public Platform
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

    // Prints into this PDF file instead of on the default printer; for tests.
    void printToFile(const QString &pdfPath) { m_pdfPath = pdfPath; }

private:
    // Null when there is no printer to print on.
    std::unique_ptr<QPrinter> newPrinter() const;

    QString m_pdfPath;
};

} // namespace platform
