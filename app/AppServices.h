// The desktop services the window's handlers use: modal message boxes, the
// printer setup dialog and the help viewer, beside the beep and clipboard of
// the controls.  Injectable, so tests read what would have been shown instead
// of blocking on a modal dialog.
//
// AGREED PUBLIC SURFACE (used by the main window, implemented by the platform
// layer and by the tests' fake).
#pragma once

#include <QString>

#include "controls/ControlServices.h"

class QPrinter;
class QWidget;

namespace kalvio {

class AppServices : public ControlServices {
public:
    // Information box: caption "情報", information icon, one OK button,
    // centred on the screen; returns when it is closed.
    virtual void information(QWidget *parent, const QString &text) = 0;
    // Plain box: no icon, one OK button, the given caption.
    virtual void plainMessage(QWidget *parent, const QString &caption, const QString &text) = 0;
    // The default error display for an exception that escaped a handler.
    virtual void errorMessage(QWidget *parent, const QString &caption, const QString &text) = 0;
    // The printer setup dialog; true when closed with OK (printer configured).
    virtual bool printerSetup(QWidget *parent, QPrinter &printer) = 0;
    // Opens the help document with the bare file name (looked up beside the
    // executable) at its contents; a missing file is reported by the help
    // window itself, never to the caller.
    virtual void showHelp(QWidget *parent, const QString &fileName, const QString &command) = 0;
};

} // namespace kalvio
