#pragma once
#include "app/Dialogs.h"

#include <QString>

namespace fiscalia {

// Dialogs that never show anything: every question is answered No, every
// file dialog and print dialog cancelled.
class SilentDialogs : public Dialogs {
public:
    void message(int) override {}
    void messageWithCause(int, const QString&) override {}
    void notice(const QString&) override {}
    bool question(int) override { return false; }
    bool confirm(const QString&) override { return false; }
    void beep() override {}
    int runModal(QDialog&, DialogPlace) override { return 0; }
    std::optional<QString> lineInput(const QString&, const QString&) override { return std::nullopt; }
    QString chooseFile(const FileRequest&, const QString&) override { return {}; }
    PrintOutcome print(QPrinter&, const PagePainter&) override { return PrintOutcome::Cancelled; }
};

} // namespace fiscalia
