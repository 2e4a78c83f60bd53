#pragma once

#include <QStringList>

#include "textexport/TextEditorLauncher.h"

namespace kilnward::textexport {

// The system's text editor: the command in KILNWARD_EDITOR when set (a program and its
// arguments, split like a command line but never run through a shell), else "notepad.exe" on
// Windows and the desktop's default application for text (xdg-open) elsewhere. The file's
// path is passed as one argument of its own, and the editor runs on after the program ends.
class SystemTextEditor : public TextEditorLauncher {
  public:
    bool open(const QString& path) override;

    // The program and arguments that open `path`.
    static QStringList Command(const QString& path);
};

}  // namespace kilnward::textexport
