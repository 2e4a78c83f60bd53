#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

#include <functional>
#include <optional>

#include "app/ScriptedPrompts.h"
#include "transfer/BackupCatalogue.h"
#include "transfer/SectorBackup.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QUrl;

namespace kilnward::documents {
class MainWindowSession;
}

namespace kilnward::editor {

// Tools > "Backups...": the backups kept before each write, newest first, with when they were
// taken, of which analyser, and how many fields the write changed; filtered by model and
// address. From here a backup is compared with the editor, restored, its service report
// opened, its folder shown, or deleted with the files kept beside it.
class BackupsWindow : public QDialog {
  public:
    // What the window hands to the main window: the editor's comparison and restore, and the
    // desktop's opening of a file or folder.
    struct Actions {
        std::function<void(const transfer::SectorBackup&)> compare;
        std::function<void(const transfer::SectorBackup&)> restore;
        std::function<void(const QUrl&)> open;
    };

    BackupsWindow(documents::MainWindowSession& session, const QString& folder, Actions actions,
                  QWidget* parent = nullptr);

    // Reads the folder again and shows it in the current language.
    void refresh();

    QTreeWidget& list() { return *list_; }
    QComboBox& modelFilter() { return *model_; }
    QComboBox& addressFilter() { return *address_; }
    QPushButton& compareButton() { return *compare_; }
    QPushButton& restoreButton() { return *restore_; }
    QPushButton& reportButton() { return *report_; }
    QPushButton& folderButton() { return *folder_; }
    QPushButton& deleteButton() { return *delete_; }

    // The buttons' commands, on the selected backup.
    void compareSelected();
    void restoreSelected();
    void openReport();
    void showFolder();
    void deleteSelected();

  private:
    void translate();
    void fillFilters();
    void fillList();
    void followSelection();
    std::optional<transfer::BackupEntry> selected() const;
    // The selected backup, read and checked for the editor's model.
    std::optional<transfer::SectorBackup> selectedBackup();
    QString changeCount(const transfer::BackupEntry& entry);
    QString translated(const char* key, const char* english, const QStringList& arguments = {});

    documents::MainWindowSession& session_;
    Actions actions_;
    transfer::BackupCatalogue catalogue_;
    // Counting decodes both sectors into windows of their own; they ask and tell nothing.
    app::ScriptedPrompts quiet_;
    // A backup and the sector written after it never change: counted once per file.
    QHash<QString, QString> counts_;
    QLabel* modelLabel_;
    QComboBox* model_;
    QLabel* addressLabel_;
    QComboBox* address_;
    QLabel* summary_;
    QTreeWidget* list_;
    QPushButton* compare_;
    QPushButton* restore_;
    QPushButton* report_;
    QPushButton* folder_;
    QPushButton* delete_;
    QPushButton* close_;
};

}  // namespace kilnward::editor
