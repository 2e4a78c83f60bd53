#include "editor/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

#include "app/Catalogue.h"
#include "app/ConfigSettings.h"
#include "app/ScriptedPrompts.h"
#include "app/Translator.h"
#include "app/UserPrompts.h"
#include "app/VersionString.h"
#include "dialogs/QtTranslations.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmTip.h"
#include "dialogs/frmadvance.h"
#include "dialogs/frmconfig.h"
#include "dialogs/frmfilesloaded.h"
#include "documents/ControlKey.h"
#include "documents/MainWindowSession.h"
#include "documents/MessageBoxes.h"
#include "drivers/InstrumentDriver.h"
#include "editor/BackupsWindow.h"
#include "editor/ChangeMarks.h"
#include "editor/CompareCommands.h"
#include "editor/ExtraMenus.h"
#include "editor/FindFieldBox.h"
#include "editor/LinkTools.h"
#include "editor/MainToolbar.h"
#include "editor/PageBuilder.h"
#include "editor/PrintCommands.h"
#include "editor/RestoreFromBackup.h"
#include "editor/StatusLine.h"
#include "editor/ToolbarWindow.h"
#include "editor/UndoHistory.h"
#include "editor/export/RunTextExport.h"
#include "form/FieldNames.h"
#include "form/FormTranslation.h"
#include "form/MenuItem.h"
#include "language/LanguageManager.h"
#include "records/ServiceReport.h"

namespace kilnward::editor {

namespace {

constexpr auto kGeometrySection = "Window";
constexpr auto kGeometryKey = "Geometry";
constexpr auto kStateKey = "State";

}  // namespace

MainWindow::MainWindow(documents::MainWindowSession& session,
                       const dialogs::StartupServices& services, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      services_(services),
      toolbar_(new ToolbarWindow(icons_, translator(), this)),
      commands_(session, *this) {
    setObjectName(session.window().form().name());
    Binder::Hooks hooks;
    hooks.selectedParameter = [this] { return toolbar_->selectedParameter(); };
    hooks.menuCommand = [this](form::MenuItem& entry) {
        commands_.trigger(entry);
        // The model menu and the command line choose models through the form.
        followSettings();
    };
    hooks.captionChanged = [this] { showCaption(); };
    hooks.toolbarVisibilityChanged = [this](bool visible) { toolbar_->setVisible(visible); };
    binder_ =
        std::make_unique<Binder>(session.window().form(), icons_, translator(), std::move(hooks));

    binder_->bindMenus(*menuBar());
    extraMenus_ = std::make_unique<ExtraMenus>(*menuBar(), commands_, session.window().form());
    linkTools_ = std::make_unique<LinkTools>(*this, session.window(), services_.simulated,
                                             services_.prompts, services_.language);
    services_.settings.setConnectionTester(&linkTools_->tester());
    auto* central = new QWidget(this);
    pages_ = PageBuilder(*binder_).build(central);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(pages_);
    setCentralWidget(central);
    status_ = new StatusLine(translator(), this);
    setStatusBar(status_);
    binder_->refreshAll();
    undo_ = new UndoHistory(session, commands_, *this);
    // An undone or redone change of model is followed like one chosen in the menu; other
    // steps (every typed key among them) leave the link and the model as they were.
    connect(&undo_->stack(), &QUndoStack::indexChanged, this, [this] {
        if (session_.window().selectedInstrumentId() != followedModel_) {
            followSettings();
        }
    });
    findBox_ = new FindFieldBox(session.window(), *binder_, translator(), this);
    addDifferenceCommands();
    addPrintCommands();

    addDockWidget(Qt::LeftDockWidgetArea, toolbar_);
    // A window of its own beside the main window, so the pages keep the whole width; the
    // user may dock it.
    toolbar_->setFloating(true);
    toolbar_->setVisible(session.window().parameterToolbarVisible());
    setMinimumSize(1024, 700);
    resize(1024, 700);
    showCaption();
    followSettings();
    session.documents().addListener(this);
    mainToolbar_ = new MainToolbar(
        *this, [this](const QString& name) { return menuAction(name); },
        *extraMenus_->action(QStringLiteral("mnumaintoolbar")), translator());
}

MainWindow::~MainWindow() {
    services_.settings.setConnectionTester(nullptr);
    backups_.reset();
    compare_.reset();
    changeMarks_.reset();
    transferDialog_.reset();
    session_.documents().removeListener(this);
}

void MainWindow::retranslate() {
    dialogs::FollowLanguageInQt(services_.language);
    services_.language.TranslateObject(session_.window().translation());
    toolbar_->translate();
    mainToolbar_->retranslate();
    extraMenus_->retranslate();
    undo_->retranslate();
    status_->retranslate();
    changeMarks_->retranslate();
    followSettings();
}

void MainWindow::addDifferenceCommands() {
    changeMarks_ = std::make_unique<ChangeMarks>(*binder_, session_.window().form(),
                                                 session_.changes(), translator());
    compare_ = std::make_unique<CompareCommands>(session_, services_, *this,
                                                 std::vector<QWidget*>{this, toolbar_},
                                                 [this] { return linkTools_->activeTrace(); });
}

void MainWindow::compare(void (CompareCommands::*command)()) {
    binder_->commitPendingEdits();
    (compare_.get()->*command)();
}

void MainWindow::addPrintCommands() {
    print_ = new PrintCommands(
        session_, exportSelection_,
        [this] {
            records::ReportFacts facts =
                records::ReportFacts::Now(session_.window().selectedInstrumentId());
            facts.addr = services_.settings.addr();
            return facts;
        },
        *this);
}

QAction* MainWindow::menuAction(const QString& name) const {
    if (QAction* own = extraMenus_->action(name)) {
        return own;
    }
    return menuBar()->findChild<QAction*>(
        documents::ControlKey(session_.window().form().menu(name)));
}

app::Translator& MainWindow::translator() {
    return session_.messageBoxes().translator();
}

void MainWindow::showSerialSettings() {
    services_.settings.showModal(dialogs::frmconfig::kSerialMode);
    followSettings();
}

void MainWindow::showLanguageSettings() {
    if (services_.settings.showModal(dialogs::frmconfig::kLanguageMode)) {
        retranslate();
    }
}

void MainWindow::showTipOfTheDay() {
    dialogs::ShowTipOfTheDay(services_.language, this);
}

void MainWindow::showAbout() {
    dialogs::ShowAbout(services_.language, this);
}

void MainWindow::showLoadedFiles() {
    dialogs::ShowLoadedFiles(session_, services_.language, this);
}

void MainWindow::exportConfigText() {
    binder_->commitPendingEdits();
    runTextExport(this, session_.window().form(), session_.commands(), exportSelection_,
                  translator());
}

dialogs::frmadvance& MainWindow::ensureTransferDialog() {
    if (!transferDialog_) {
        transferDialog_ = std::make_unique<dialogs::frmadvance>(
            session_, services_.language, services_.settings.serial(), services_.simulated,
            std::vector<QWidget*>{this, toolbar_}, this);
    }
    // Every transfer is traced while the trace window is open.
    transferDialog_->setTrace(linkTools_->activeTrace());
    transferDialog_->setAfterWrite(
        [&translator = translator()](const transfer::WriteRecord& record) {
            // The scratch windows the report reads the sectors into ask nothing.
            app::ScriptedPrompts quiet;
            return records::KeepServiceReport(record, quiet, translator);
        });
    return *transferDialog_;
}

void MainWindow::runTransfer(transfer::TransferKind kind) {
    binder_->commitPendingEdits();
    followSettings();
    if (ensureTransferDialog().runCommand(kind)) {
        status_->showOutcome(transferDialog_->status(), kind);
    }
}

void MainWindow::restoreFromBackup() {
    followSettings();
    if (RestoreFromBackup(session_, ensureTransferDialog())) {
        status_->showOutcome(transferDialog_->status(), transfer::TransferKind::Restore);
    }
}

void MainWindow::restoreBackup(const transfer::SectorBackup& backup) {
    followSettings();
    if (ensureTransferDialog().runRestore(backup)) {
        status_->showOutcome(transferDialog_->status(), transfer::TransferKind::Restore);
    }
}

void MainWindow::showBackups() {
    binder_->commitPendingEdits();
    if (!backups_) {
        BackupsWindow::Actions actions;
        actions.compare = [this](const transfer::SectorBackup& backup) {
            compare_->compareWithBackup(backup);
        };
        actions.restore = [this](const transfer::SectorBackup& backup) { restoreBackup(backup); };
        actions.open = [](const QUrl& url) { QDesktopServices::openUrl(url); };
        backups_ = std::make_unique<BackupsWindow>(session_, transfer::BackupFolder(),
                                                   std::move(actions), this);
    } else {
        backups_->refresh();
    }
    backups_->show();
    backups_->raise();
    backups_->activateWindow();
}

void MainWindow::closeMainWindow() {
    close();
}

void MainWindow::undo() {
    undo_->stack().undo();
}

void MainWindow::redo() {
    undo_->stack().redo();
}

void MainWindow::findField() {
    findBox_->start();
}

void MainWindow::showChanges() {
    compare(&CompareCommands::showChanges);
}

void MainWindow::print() {
    print_->print();
}

void MainWindow::exportPdf() {
    print_->exportPdf();
}

void MainWindow::toggleMainToolbar() {
    mainToolbar_->setVisible(mainToolbar_->isHidden());
}

void MainWindow::showLinkTrace() {
    linkTools_->showTrace();
}

void MainWindow::compareWithAnalyser() {
    compare(&CompareCommands::compareWithAnalyser);
}

void MainWindow::compareWithFiles() {
    compare(static_cast<void (CompareCommands::*)()>(&CompareCommands::compareWithFiles));
}

void MainWindow::documentChanged(int /*document*/, documents::DocumentChange /*change*/) {
    showCaption();
}

void MainWindow::followSettings() {
    if (!status_) {
        return;  // still building the window
    }
    const form::MainForm& window = session_.window();
    const drivers::InstrumentDriver* driver = window.currentDriver();
    if (driver && window.selectedInstrumentId() != followedModel_) {
        followedModel_ = window.selectedInstrumentId();
        services_.settings.followModelInfrared(driver->Use_Infrared());
    }
    status_->showLink(services_.settings.serial(),
                      driver ? app::InstrumentName(*driver) : QString());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    binder_->commitPendingEdits();
    if (!session_.commands().queryClose()) {
        event->ignore();
        return;
    }
    storeWindowGeometry();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const auto previous = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if (isMinimized() && !(previous & Qt::WindowMinimized)) {
            session_.window().windowMinimised();
        } else if (!isMinimized() && (previous & Qt::WindowMinimized)) {
            session_.window().windowRestored();
        }
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstPlacement_) {
        firstPlacement_ = false;
        placeSideBySide();
    }
}

void MainWindow::placeSideBySide() {
    const QScreen* display = screen();
    if (!display || !toolbar_->isFloating()) {
        return;
    }
    const QRect area = display->availableGeometry();
    const QSize size = frameGeometry().size();
    const int toolbarWidth = toolbar_->sizeHint().width();
    const int left =
        std::max(area.left() + toolbarWidth,
                 area.left() + (area.width() - (toolbarWidth + size.width())) / 2 + toolbarWidth);
    const int top = area.top() + std::max(0, (area.height() - size.height()) / 2);
    move(left, top);
    toolbar_->setGeometry(left - toolbarWidth, top, toolbarWidth, geometry().height());
}

void MainWindow::showCaption() {
    followSettings();
    setWindowTitle(session_.window().form().caption() + QStringLiteral("[*]"));
    setWindowModified(session_.documents().anyDirty());
}

void MainWindow::restoreWindowGeometry() {
    const QString section = QString::fromLatin1(kGeometrySection);
    const QByteArray geometry = QByteArray::fromBase64(
        app::ReadConfigValue(section, QString::fromLatin1(kGeometryKey), QString()).toLatin1());
    const QByteArray state = QByteArray::fromBase64(
        app::ReadConfigValue(section, QString::fromLatin1(kStateKey), QString()).toLatin1());
    if (!geometry.isEmpty()) {
        firstPlacement_ = !restoreGeometry(geometry);
    }
    if (!state.isEmpty()) {
        restoreState(state);
        // The toolbar's visibility belongs to the page showing, not to the last run.
        toolbar_->setVisible(session_.window().parameterToolbarVisible());
    }
}

void MainWindow::storeWindowGeometry() {
    const QString section = QString::fromLatin1(kGeometrySection);
    app::WriteConfigValue(section, QString::fromLatin1(kGeometryKey),
                          QString::fromLatin1(saveGeometry().toBase64()));
    app::WriteConfigValue(section, QString::fromLatin1(kStateKey),
                          QString::fromLatin1(saveState().toBase64()));
}

}  // namespace kilnward::editor
