#pragma once

#include <QString>

#include "textexport/SaveConfigAsText.h"

class QWidget;

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class Form;
}
namespace kilnward::documents {
class DocumentCommands;
}

namespace kilnward::editor {

// The main window's "Save config as Text file" (mnuSaveConfigasText): the section dialog,
// then the listing of `form` written to "Config.txt" in the program's writable folder and
// opened in the text editor (`editor`, or the system's when null). `answer` outlives the
// call, so a later export starts from this one's selection. A failure is shown in a message
// box; the dialog and the message speak through `translator`.
textexport::ExportOutcome runTextExport(QWidget* parent, const form::Form& form,
                                        const documents::DocumentCommands& commands,
                                        textexport::PrintConfigAnswer& answer,
                                        app::Translator& translator,
                                        textexport::TextEditorLauncher* editor = nullptr);

// Where the export writes: "Config.txt" in the program's writable folder.
QString ConfigTextPath();

}  // namespace kilnward::editor
