#pragma once

#include "Platform.h"

namespace platform {

class Printing;

// The logic's desktop services, as Qt provides them.
class QtPlatform final : public Platform
{
public:
    explicit QtPlatform(Printing &printing);

    QString programFolder() const override;
    StartResult startProgram(const QString &path) override;
    bool createFolder(const QString &path) override;
    bool fileExists(const QString &path) const override;
    bool writeTextFile(const QString &path, const QString &text, bool replace,
                       QString &reason) override;
    std::unique_ptr<TextPrinter> openTextPrinter() override;
    QString today() const override;
    void endProgram() override;

private:
    Printing &m_printing;
};

} // namespace platform
