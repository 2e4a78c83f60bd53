#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

#include "app/StartupFlags.h"

namespace kilnward::app {
class UserPrompts;
}
namespace kilnward::transfer {
class SimulatedAnalysers;
}  // namespace kilnward::transfer
namespace kilnward::language {
class LanguageManager;
}

namespace kilnward::dialogs {

class frmconfig;
class frmSplash;
class SingleInstance;

// What start-up hands to the main window: the settings dialog that keeps the serial
// settings, the prompts, the command-line flags, the simulated analysers and the language
// manager (the windows translate through it and never reach for it themselves).
struct StartupServices {
    frmconfig& settings;
    app::UserPrompts& prompts;
    const app::StartupFlags& flags;
    transfer::SimulatedAnalysers& simulated;
    language::LanguageManager& language;
};

// The main window as start-up needs it: the windows to enable when the splash closes and
// the routine that re-applies the chosen model once everything is loaded.
struct MainWindows {
    QWidget* main = nullptr;
    QWidget* toolbar = nullptr;
    std::function<void()> finished;
};

// The program's start: refuses a second copy, reads the command line, the catalogue and the
// language database, asks for a language while none is chosen, shows the splash window with
// its status, creates the main window and, when the splash expires, enables it and shows
// the tip of the day (unless switched off).
class ApplicationStartup {
  public:
    using MainWindowFactory = std::function<MainWindows(StartupServices&)>;
    enum class Result { Started, AlreadyRunning };

    // `arguments` without the program name; `prompts` shows every message.
    ApplicationStartup(const QStringList& arguments, app::UserPrompts& prompts);
    ~ApplicationStartup();

    // Main. Started: the program lives on in its windows (run the event loop).
    // AlreadyRunning: another copy runs on the same configuration folder, was asked to come
    // to the front, and the refusal was reported; end now.
    Result Main(const MainWindowFactory& createMainWindow);

    const app::StartupFlags& flags() const { return flags_; }
    // The settings dialog of the run, made on first use.
    frmconfig& settings();
    transfer::SimulatedAnalysers& simulated() { return *simulated_; }
    frmSplash* splash() const { return splash_.get(); }

    // For tests: the lock and socket name, the splash time, how the language dialog (in
    // language mode) is shown and how the tip window is.
    void setInstanceKey(const QString& key) { instanceKey_ = key; }
    void setSplashDelay(int milliseconds) { splashDelay_ = milliseconds; }
    void setLanguageDialog(std::function<void(frmconfig&)> show) {
        showLanguageDialog_ = std::move(show);
    }
    void setTipWindow(std::function<void(QWidget*)> show) { showTip_ = std::move(show); }
    // Where the refusal of a second copy goes (standard error unless set).
    void setRefusalSink(std::function<void(const QString&)> sink) { refused_ = std::move(sink); }

    // What a refused second copy says: before the languages are loaded, so in English.
    static QString AlreadyRunningText(const QString& configFolder);

  private:
    void chooseLanguage();
    void showSplash();
    void splashExpired();
    void activateMainWindow();

    QStringList arguments_;
    app::UserPrompts& prompts_;
    app::StartupFlags flags_;
    QString instanceKey_;
    int splashDelay_;
    std::function<void(frmconfig&)> showLanguageDialog_;
    std::function<void(QWidget*)> showTip_;
    std::function<void(const QString&)> refused_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<transfer::SimulatedAnalysers> simulated_;
    std::unique_ptr<frmconfig> settings_;
    std::unique_ptr<frmSplash> splash_;
    MainWindows windows_;
    // Whether Main started the language manager, which then ends with the start-up.
    bool languageStarted_ = false;
    QPointer<QWidget> main_;
    QPointer<QWidget> toolbar_;
};

}  // namespace kilnward::dialogs
