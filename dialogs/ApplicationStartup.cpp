#include "dialogs/ApplicationStartup.h"

#include <QDir>
#include <QTextStream>

#include "app/Catalogue.h"
#include "app/ConfigSettings.h"
#include "app/ProgramFolder.h"
#include "dialogs/QtTranslations.h"
#include "dialogs/SingleInstance.h"
#include "dialogs/frmSplash.h"
#include "dialogs/frmTip.h"
#include "dialogs/frmconfig.h"
#include "drivers/CreateDriver.h"
#include "drivers/InstrumentDriver.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"
#include "language/StartupLanguage.h"
#include "transfer/SimulatedAnalysers.h"

namespace kilnward::dialogs {

namespace {

// The model whose infrared default the language dialog shows before any model is loaded.
constexpr std::uint8_t kLanguageDialogModel = 14;

bool ModelUsesInfrared(std::uint8_t model) {
    const auto driver = drivers::CreateDriver(model);
    return driver && driver->Use_Infrared();
}

}  // namespace

ApplicationStartup::ApplicationStartup(const QStringList& arguments, app::UserPrompts& prompts)
    : arguments_(arguments),
      prompts_(prompts),
      flags_(app::StartupFlags::fromArguments(arguments)),
      instanceKey_(QStringLiteral("kilnward")),
      splashDelay_(frmSplash::kExpirationMs),
      showLanguageDialog_([](frmconfig& dialog) { dialog.showLoaded(); }),
      showTip_([](QWidget* parent) { ShowTipOfTheDay(language::LangMan(), parent); }),
      // The analysers' first memory is the default configuration in the language of the run.
      simulated_(std::make_unique<transfer::SimulatedAnalysers>([](std::uint8_t type) {
          return transfer::SimulatedAnalysers::DefaultConfigurationImage(type, language::LangMan());
      })) {}

ApplicationStartup::~ApplicationStartup() {
    // The windows registered with the language manager go before it does.
    settings_.reset();
    splash_.reset();
    if (languageStarted_) {
        language::ReleaseLangMan();
    }
}

frmconfig& ApplicationStartup::settings() {
    if (!settings_) {
        settings_ =
            std::make_unique<frmconfig>(language::LangMan(), flags_.DebugMode,
                                        ModelUsesInfrared(app::ReadSelectedInstrumentIdSetting()));
    }
    return *settings_;
}

ApplicationStartup::Result ApplicationStartup::Main(const MainWindowFactory& createMainWindow) {
    const QString configFolder = app::ProgramFolder::configFolder();
    instance_ = std::make_unique<SingleInstance>(instanceKey_, configFolder);
    instance_->setActivate([this] { activateMainWindow(); });
    if (!instance_->tryRun()) {
        const QString text = AlreadyRunningText(QDir::toNativeSeparators(configFolder));
        if (refused_) {
            refused_(text);
        } else {
            QTextStream(stderr) << text << '\n';
        }
        return Result::AlreadyRunning;
    }
    app::LoadInstrumentList();
    // A settings dialog made before belongs to the manager that the new one replaces.
    settings_.reset();
    language::LanguageManager& langMan = language::InitLangMan(prompts_);
    languageStarted_ = true;
    langMan.OpenLanguageDataBase(app::ProgramFolder::dataFile(QStringLiteral("Language.mdb")),
                                 flags_.CreateMode);
    chooseLanguage();
    FollowLanguageInQt(langMan);
    showSplash();
    app::LoadParameterCatalogue(langMan);

    StartupServices services{settings(), prompts_, flags_, *simulated_, langMan};
    windows_ = createMainWindow(services);
    main_ = windows_.main;
    toolbar_ = windows_.toolbar;
    // Both windows wait for the splash to close.
    for (QWidget* window : {windows_.main, windows_.toolbar}) {
        if (window) {
            window->setEnabled(false);
        }
    }
    splash_->raise();
    splash_->setStatus(langMan.TranslateString(QStringLiteral("done"), QStringLiteral("Done.")));
    splash_->startExpiration([this] { splashExpired(); }, splashDelay_);
    if (windows_.finished) {
        windows_.finished();
    }
    return Result::Started;
}

QString ApplicationStartup::AlreadyRunningText(const QString& configFolder) {
    return QStringLiteral(
               "Kilnward already runs for this user with the configuration folder %1: its "
               "window was brought to the front instead of starting a second copy.")
        .arg(configFolder);
}

void ApplicationStartup::chooseLanguage() {
    language::ApplyStartupLanguage(language::LangMan(), [this] {
        // Until a model is loaded, the dialog shows the infrared default of model 14.
        if (!settings_) {
            settings_ = std::make_unique<frmconfig>(language::LangMan(), flags_.DebugMode,
                                                    ModelUsesInfrared(kLanguageDialogModel));
        }
        if (settings_->definemode(frmconfig::kLanguageMode)) {
            showLanguageDialog_(*settings_);
        }
    });
}

void ApplicationStartup::showSplash() {
    splash_ = std::make_unique<frmSplash>(language::LangMan());
    splash_->show();
    splash_->setStatus(QStringLiteral("Loading language manager..."));
    splash_->translate();
    splash_->setStatus(language::LangMan().TranslateString(
        QStringLiteral("loadlangman"), QStringLiteral("Loading language manager...")));
}

void ApplicationStartup::splashExpired() {
    for (QWidget* window : {main_.data(), toolbar_.data()}) {
        if (window) {
            window->setEnabled(true);
        }
    }
    if (app::ReadShowTipsSetting() && showTip_) {
        showTip_(main_.data());
    }
}

void ApplicationStartup::activateMainWindow() {
    if (main_) {
        main_->showNormal();
        main_->raise();
        main_->activateWindow();
    }
}

}  // namespace kilnward::dialogs
