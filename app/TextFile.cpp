#include "app/TextFile.h"

#include "app/AtomicFile.h"
#include "app/PathUtilities.h"
#include "app/UserPrompts.h"
#include "app/VersionString.h"
#include "app/Windows1252.h"

namespace kilnward::app {

bool WriteTextLines(const QString& path, const QStringList& lines, bool overwriteSilently,
                    UserPrompts& prompts) {
    if (FileExists(path) && !overwriteSilently) {
        const PromptAnswer answer = prompts.ask(
            QStringLiteral("File Already Exist. Do you want to overwrite it ?"), ApplicationTitle(),
            PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
        if (answer != PromptAnswer::Yes) {
            return false;
        }
    }
    QString text;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    // The old file is replaced only once the new text is completely on disk.
    return WriteFileAtomically(path, EncodeProfileText(text));
}

}  // namespace kilnward::app
