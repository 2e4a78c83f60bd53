#include <QApplication>

#include "app/VersionString.h"
#include "editor/EditorApp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(kilnward::app::ApplicationTitle());
    QApplication::setApplicationVersion(kilnward::app::VersionString());
    return kilnward::editor::RunEditor(application);
}
