#include "editor/EditorApp.h"

#include <QApplication>

#include <algorithm>

#include "app/Catalogue.h"
#include "app/ConfigSettings.h"
#include "app/Notices.h"
#include "app/ProgramFolder.h"
#include "app/VersionString.h"
#include "dialogs/QtTranslations.h"
#include "dialogs/frmconfig.h"
#include "documents/MainWindowSession.h"
#include "documents/SessionStart.h"
#include "editor/MainWindow.h"
#include "editor/ToolbarWindow.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "transfer/SimulatedAnalysers.h"

namespace kilnward::editor {

EditorApp::EditorApp(const Options& options) {
    app::UserPrompts& prompts = options.prompts ? *options.prompts : prompts_;
    flags_.CreateMode = options.createMode;
    language::LanguageManager& langMan = language::InitLangMan(prompts);
    langMan.OpenLanguageDataBase(app::ProgramFolder::dataFile(QStringLiteral("Language.mdb")),
                                 options.createMode);
    // No language chosen yet (-1) starts in the first; the settings dialog offers the choice.
    langMan.SetLanguageIndex(
        options.language.value_or(std::max(0, app::ReadLanguageIndexSetting())));
    dialogs::FollowLanguageInQt(langMan);
    app::LoadInstrumentList();
    app::LoadParameterCatalogue(langMan);
    // The window sets the infrared choice from the model it loads.
    ownSettings_ = std::make_unique<dialogs::frmconfig>(langMan, false, false);
    ownSimulated_ =
        std::make_unique<transfer::SimulatedAnalysers>([&manager = langMan](std::uint8_t type) {
            return transfer::SimulatedAnalysers::DefaultConfigurationImage(type, manager);
        });
    services_ = std::make_unique<dialogs::StartupServices>(
        dialogs::StartupServices{*ownSettings_, prompts, flags_, *ownSimulated_, langMan});
    createWindow(options);
    session_->window().finished();
}

EditorApp::EditorApp(const dialogs::StartupServices& services, const Options& options)
    : services_(std::make_unique<dialogs::StartupServices>(services)) {
    createWindow(options);
}

void EditorApp::createWindow(const Options& options) {
    session_ = documents::OpenSession(services_->prompts, services_->language,
                                      {std::nullopt, options.storesModelChoice});
    window_ = std::make_unique<MainWindow>(*session_, *services_);
    if (options.restoresGeometry) {
        window_->restoreWindowGeometry();
    }
    prompts_.setFallbackParent(window_.get());
}

EditorApp::~EditorApp() {
    prompts_.setFallbackParent(nullptr);
    window_.reset();
    session_.reset();
    // The language manager made here ends with the dialogs registered with it; inside
    // ApplicationStartup the start-up ends its own.
    if (ownSettings_) {
        services_.reset();
        ownSettings_.reset();
        language::ReleaseLangMan();
    }
}

dialogs::MainWindows EditorApp::windows() {
    return {window_.get(), &window_->toolbar(), [this] { session_->window().finished(); }};
}

int RunEditor(QApplication& application) {
    dialogs::MessageBoxPrompts prompts;
    // Settings and catalogue problems found below the documents reach the user in a message,
    // not on a terminal nobody reads.
    app::SetNoticeSink([&prompts](const QString& text) {
        prompts.showMessage(text, app::ApplicationTitle(), app::PromptIcon::Exclamation);
    });
    // In the language chosen so far: English until the language manager has one.
    app::SetNoticeTranslator(
        [](const QString& key, const QString& english, const QStringList& arguments) {
            return language::LangMan().TranslateString(key, english, arguments);
        });
    dialogs::ApplicationStartup startup(application.arguments().mid(1), prompts);
    std::unique_ptr<EditorApp> editor;
    const auto result = startup.Main([&](dialogs::StartupServices& services) {
        EditorApp::Options options;
        options.createMode = services.flags.CreateMode;
        editor = std::make_unique<EditorApp>(services, options);
        prompts.setFallbackParent(&editor->window());
        editor->window().show();
        return editor->windows();
    });
    if (result == dialogs::ApplicationStartup::Result::AlreadyRunning) {
        // Refused, not started: a launcher or script can tell from the status.
        app::SetNoticeSink({});
        app::SetNoticeTranslator({});
        return 1;
    }
    const int code = application.exec();
    app::SetNoticeSink({});
    app::SetNoticeTranslator({});
    prompts.setFallbackParent(nullptr);
    return code;
}

}  // namespace kilnward::editor
