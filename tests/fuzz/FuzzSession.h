#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "app/Catalogue.h"
#include "app/EnglishTranslator.h"
#include "app/Notices.h"
#include "app/ProgramFolder.h"
#include "app/ScriptedPrompts.h"
#include "documents/MainWindowSession.h"

namespace kilnward::fuzz {

// A loaded main window for the fuzz targets, in a program folder of its own that holds copies
// of the shipped files: nothing a target does (a stored model, a saved file) reaches the
// sources. Notices are dropped; messages are recorded in `prompts`.
class FuzzSession {
  public:
    FuzzSession() {
        app::SetNoticeSink([](const QString&) {});
        const QDir data(QStringLiteral(KILNWARD_DATA_DIR));
        for (const QString& name : data.entryList(QDir::Files)) {
            QFile::copy(data.filePath(name), folder.filePath(name));
        }
        app::ProgramFolder::set(folder.path());
        app::LoadParameterCatalogue(translator);
        app::LoadInstrumentList();
        window = std::make_unique<documents::MainWindowSession>(prompts, translator);
        window->window().modelMenu().setStoresChoice(false);
        window->load(app::InstrumentList());
    }

    // A file in the session's folder for the target's input.
    QString scratch(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    app::ScriptedPrompts prompts;
    app::EnglishTranslator translator;
    std::unique_ptr<documents::MainWindowSession> window;
};

}  // namespace kilnward::fuzz
