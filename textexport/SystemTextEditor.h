#pragma once

#include <QStringList>

#include "wirelink/Platform.h"

#include "textexport/TextEditorLauncher.h"

namespace kilnward::textexport {

// The system's text editor: the command in KILNWARD_EDITOR when set (a program and its
// arguments, split like a command line but never run through a shell), else "notepad.exe" on
// Windows and the desktop's default application for text (xdg-open) elsewhere. The file's
// path is passed as one argument of its own (with the system's backslashes on Windows), and
// the editor runs on after the program ends.
class SystemTextEditor : public TextEditorLauncher {
  public:
    bool open(const QString& path) override;

    // The program and arguments that open `path`.
    static QStringList Command(const QString& path);
    // The same for a given KILNWARD_EDITOR value and platform.
    static QStringList Command(const QString& path, const QString& editorVariable,
                               wirelink::Platform platform);
};

}  // namespace kilnward::textexport
