#pragma once

#include <QMainWindow>

#include <memory>

#include "editor/Binder.h"
#include "editor/MenuCommandRunner.h"
#include "editor/ParamIcons.h"
#include "editor/export/SaveConfigAsText.h"

class QTabWidget;

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

class ToolbarWindow;

// frmMain: the editing window. It shows the headless main form of the session (pages,
// menu bar, caption) through one binding per form item and owns the parameter toolbar
// window beside it. Closing goes through the documents' save questions.
class MainWindow : public QMainWindow, public EditorActions {
    Q_OBJECT

  public:
    explicit MainWindow(documents::MainWindowSession& session, QWidget* parent = nullptr);
    ~MainWindow() override;

    Binder& binder() { return *binder_; }
    ToolbarWindow& toolbar() { return *toolbar_; }
    QTabWidget& pages() { return *pages_; }
    // After a change of language: the form's texts, the parameter names, the toolbar.
    void retranslate();
    // The size, place and dock layout the window had when it was last closed.
    void restoreWindowGeometry();

    // EditorActions
    void closeWindow() override;
    void showLoadedFiles() override;
    void saveConfigAsText() override;
    void showNotAvailable(const form::MenuItem& entry) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void showCaption();
    // The parameter list floats to the left of the window, the two centred together.
    void placeSideBySide();
    void storeWindowGeometry();

    documents::MainWindowSession& session_;
    ParamIcons icons_;
    ToolbarWindow* toolbar_;
    MenuCommandRunner runner_;
    std::unique_ptr<Binder> binder_;
    QTabWidget* pages_ = nullptr;
    // Whether the window still takes its first place (nothing restored, not shown yet).
    bool firstPlacement_ = true;
    // The text export starts from the sections chosen last time.
    PrintConfigAnswer exportSelection_;
};

}  // namespace kilnward::editor
