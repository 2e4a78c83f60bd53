// Time from an empty process to a usable main window (all application objects made, the
// five default documents loaded, the window shown and painted once) and the resident
// memory afterwards. Not a timed test: run it by hand, e.g.
//   QT_QPA_PLATFORM=offscreen build/bin/editor_startup_bench

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include "app/ScriptedPrompts.h"
#include "editor/EditorApp.h"
#include "editor/MainWindow.h"

namespace {

// VmRSS of this process in MiB, from /proc (Linux).
double ResidentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').constFirst().toDouble() / 1024.0;
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    kilnward::app::ScriptedPrompts prompts;
    kilnward::editor::EditorApp::Options options;
    options.prompts = &prompts;
    options.storesModelChoice = false;
    options.restoresGeometry = false;
    kilnward::editor::EditorApp editor(options);
    editor.window().show();
    editor.window().grab();
    QApplication::processEvents();
    const qint64 elapsed = clock.elapsed();
    QTextStream(stdout) << "start to usable main window: " << elapsed << " ms\n"
                        << "resident memory after start: " << QString::number(ResidentMiB(), 'f', 1)
                        << " MiB\n";
    return elapsed <= 1000 && ResidentMiB() <= 100 ? 0 : 1;
}
