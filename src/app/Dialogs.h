#pragma once
#include "app/placement.h"

class QDialog;
class QString;

namespace fiscalia {

// Everything modal goes through this interface. The program shows real
// modal windows; tests install a scripted double, so no test ever waits on a
// window.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Message N of the catalogue in the message window; returns when it closes.
    virtual void message(int number) = 0;
    // A text of the program's own that is not in the catalogue (a missing
    // help file, a failed print job), shown in the same message window.
    virtual void notice(const QString& text) = 0;
    // Yes/no question N; true for Yes.
    virtual bool question(int number) = 0;
    // The system beep of a dropped key.
    virtual void beep() = 0;
    // Runs one of the program's own modal windows (settings, additional
    // payments ...) placed at its offset from the frame; returns its result.
    virtual int runModal(QDialog& dialog, DialogPlace place) = 0;
};

} // namespace fiscalia
