#include <QApplication>

#include <cstdio>
#include <cstring>

#include "app/VersionString.h"
#include "editor/EditorApp.h"

namespace {

// --help and --version are answered before the application object exists, so they need no
// display. Every other word ("create", "debug") belongs to the start-up sequence.
bool AnsweredProgramInfo(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Kilnward %s\n", kilnward::app::VersionString().toUtf8().constData());
            return true;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf(
                "Usage: Kilnward [create] [debug]\n"
                "Configures portable flue-gas analysers over a serial line.\n\n"
                "  create     learning mode of the language database (new texts are stored)\n"
                "  debug      offers the infrared choice in the serial settings\n"
                "  --help     shows this help\n"
                "  --version  shows the version\n");
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredProgramInfo(argc, argv)) {
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(kilnward::app::ApplicationTitle());
    QApplication::setApplicationVersion(kilnward::app::VersionString());
    return kilnward::editor::RunEditor(application);
}
