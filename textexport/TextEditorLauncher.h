#pragma once

#include <QString>

namespace kilnward::textexport {

// Opens a written text file for the user to read or print.
class TextEditorLauncher {
  public:
    virtual ~TextEditorLauncher() = default;
    // False when no editor could be started.
    virtual bool open(const QString& path) = 0;
};

}  // namespace kilnward::textexport
