#include "editor/EditorApp.h"

#include <QApplication>

#include <algorithm>

#include "app/Catalogue.h"
#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "app/StartupFlags.h"
#include "documents/MainWindowSession.h"
#include "editor/MainWindow.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::editor {

EditorApp::EditorApp(const Options& options) {
    app::UserPrompts& prompts = options.prompts ? *options.prompts : prompts_;
    language::LanguageManager& langMan = language::InitLangMan(prompts);
    langMan.OpenLanguageDataBase(app::ProgramFolder::dataFile(QStringLiteral("Language.mdb")),
                                 options.createMode);
    // No language chosen yet (-1) starts in the first; the settings dialog offers the choice.
    langMan.SetLanguageIndex(
        options.language.value_or(std::max(0, app::ReadLanguageIndexSetting())));
    app::LoadInstrumentList();
    app::LoadParameterCatalogue(langMan);
    session_ = std::make_unique<documents::MainWindowSession>(prompts, langMan);
    session_->window().modelMenu().setStoresChoice(options.storesModelChoice);
    session_->load(app::InstrumentList());
    window_ = std::make_unique<MainWindow>(*session_);
    if (options.restoresGeometry) {
        window_->restoreWindowGeometry();
    }
    prompts_.setOwner(window_.get());
    session_->window().finished();
}

EditorApp::~EditorApp() {
    prompts_.setOwner(nullptr);
    window_.reset();
    session_.reset();
    language::ReleaseLangMan();
}

int RunEditor(QApplication& application) {
    EditorApp::Options options;
    options.createMode =
        app::StartupFlags::fromArguments(application.arguments().mid(1)).CreateMode;
    EditorApp editor(options);
    editor.window().show();
    return application.exec();
}

}  // namespace kilnward::editor
