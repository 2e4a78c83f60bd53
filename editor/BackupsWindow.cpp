#include "editor/BackupsWindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <set>

#include "app/ControlKey.h"
#include "app/Translator.h"
#include "dialogs/ControlNames.h"
#include "documents/MainWindowSession.h"
#include "drivers/InstrumentDriver.h"
#include "transfer/BackupChangeCount.h"
#include "transfer/BackupChoice.h"

namespace kilnward::editor {

namespace {

enum Column { TimeColumn, ModelColumn, AddressColumn, ChangedColumn, ColumnCount };

// Shown for a count that cannot be made (no sector kept after the write).
const QString kNoCount = QStringLiteral("\u2013");

QString Key(const char* control) {
    return app::ControlKey(QStringLiteral("frmbackups"), QLatin1String(control));
}

QPushButton* Button(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(Key(name));
    button->setAutoDefault(false);
    return button;
}

// The filter's current choice; nullopt for "all".
std::optional<std::uint8_t> Choice(const QComboBox& box) {
    const QVariant value = box.currentData();
    if (!value.isValid()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value.toUInt());
}

void Select(QComboBox& box, std::optional<std::uint8_t> value) {
    const int index = value ? box.findData(static_cast<uint>(*value)) : 0;
    box.setCurrentIndex(index < 0 ? 0 : index);
}

}  // namespace

BackupsWindow::BackupsWindow(documents::MainWindowSession& session, const QString& folder,
                             Actions actions, QWidget* parent)
    : QDialog(parent),
      session_(session),
      actions_(std::move(actions)),
      catalogue_(folder, session.messageBoxes().translator()),
      modelLabel_(new QLabel(this)),
      model_(new QComboBox(this)),
      addressLabel_(new QLabel(this)),
      address_(new QComboBox(this)),
      summary_(new QLabel(this)),
      list_(new QTreeWidget(this)),
      compare_(Button(this, dialogs::control::cmdcompare)),
      restore_(Button(this, dialogs::control::cmdrestore)),
      report_(Button(this, dialogs::control::cmdreport)),
      folder_(Button(this, dialogs::control::cmdfolder)),
      delete_(Button(this, dialogs::control::cmddelete)),
      close_(Button(this, dialogs::control::cmdclose)) {
    setObjectName(QStringLiteral("frmbackups"));
    model_->setObjectName(Key(dialogs::control::cbomodel));
    address_->setObjectName(Key(dialogs::control::cboaddress));
    list_->setObjectName(Key(dialogs::control::lstbackups));
    modelLabel_->setBuddy(model_);
    addressLabel_->setBuddy(address_);
    model_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    address_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    summary_->setTextFormat(Qt::PlainText);

    list_->setColumnCount(ColumnCount);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(ModelColumn, QHeaderView::Stretch);

    auto* filters = new QHBoxLayout;
    filters->addWidget(modelLabel_);
    filters->addWidget(model_);
    filters->addSpacing(fontMetrics().averageCharWidth() * 2);
    filters->addWidget(addressLabel_);
    filters->addWidget(address_);
    filters->addStretch(1);

    auto* commands = new QVBoxLayout;
    for (QPushButton* button : {compare_, restore_, report_, folder_, delete_}) {
        commands->addWidget(button);
    }
    commands->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addLayout(commands);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(close_, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(middle, 1);
    layout->addWidget(summary_);
    layout->addWidget(buttons);

    connect(model_, &QComboBox::activated, this, [this] { fillList(); });
    connect(address_, &QComboBox::activated, this, [this] { fillList(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { followSelection(); });
    connect(list_, &QTreeWidget::itemActivated, this, [this] { compareSelected(); });
    connect(compare_, &QPushButton::clicked, this, [this] { compareSelected(); });
    connect(restore_, &QPushButton::clicked, this, [this] { restoreSelected(); });
    connect(report_, &QPushButton::clicked, this, [this] { openReport(); });
    connect(folder_, &QPushButton::clicked, this, [this] { showFolder(); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteSelected(); });
    refresh();
    resize(760, 420);
}

QString BackupsWindow::translated(const char* key, const char* english,
                                  const QStringList& arguments) {
    return session_.messageBoxes().translator().TranslateString(
        QLatin1String(key), QString::fromUtf8(english), arguments);
}

void BackupsWindow::refresh() {
    catalogue_.reload();
    translate();
    fillFilters();
    fillList();
}

void BackupsWindow::translate() {
    setWindowTitle(translated("bkps_title", "Backups"));
    modelLabel_->setText(translated("bkps_model", "&Model:"));
    addressLabel_->setText(translated("bkps_address", "&Address:"));
    list_->setHeaderLabels({translated("bkps_time", "Time"), translated("bkps_modelcol", "Model"),
                            translated("bkps_addresscol", "Address"),
                            translated("bkps_changed", "Fields changed")});
    list_->setAccessibleName(windowTitle());
    compare_->setText(translated("bkps_compare", "Compare with &editor"));
    restore_->setText(translated("bkps_restore", "&Restore..."));
    report_->setText(translated("bkps_report", "Open re&port"));
    folder_->setText(translated("bkps_folder", "Show &folder"));
    delete_->setText(translated("bkps_delete", "&Delete..."));
    close_->setText(translated("close", "&Close"));
}

void BackupsWindow::fillFilters() {
    const std::optional<std::uint8_t> model = Choice(*model_);
    const std::optional<std::uint8_t> address = Choice(*address_);
    std::set<std::pair<QString, std::uint8_t>> models;
    std::set<std::uint8_t> addresses;
    for (const transfer::BackupEntry& entry : catalogue_.entries()) {
        models.insert({transfer::BackupModelName(entry.model), entry.model});
        addresses.insert(entry.addr);
    }
    model_->clear();
    model_->addItem(translated("bkps_allmodels", "All models"));
    for (const auto& [name, id] : models) {
        model_->addItem(name, static_cast<uint>(id));
    }
    address_->clear();
    address_->addItem(translated("bkps_alladdresses", "All addresses"));
    for (const std::uint8_t addr : addresses) {
        address_->addItem(QString::number(addr), static_cast<uint>(addr));
    }
    Select(*model_, model);
    Select(*address_, address);
}

void BackupsWindow::fillList() {
    const std::optional<transfer::BackupEntry> chosen = selected();
    const QString current = chosen ? chosen->path : QString();
    list_->clear();
    const std::vector<transfer::BackupEntry> shown =
        catalogue_.filtered({Choice(*model_), Choice(*address_)});
    for (const transfer::BackupEntry& entry : shown) {
        auto* item = new QTreeWidgetItem(
            list_,
            QStringList{entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                        transfer::BackupModelName(entry.model), QString::number(entry.addr),
                        changeCount(entry)});
        item->setData(TimeColumn, Qt::UserRole, entry.path);
        item->setToolTip(TimeColumn, QFileInfo(entry.path).fileName());
        item->setTextAlignment(AddressColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(ChangedColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (entry.path == current || (current.isEmpty() && list_->topLevelItemCount() == 1)) {
            list_->setCurrentItem(item);
        }
    }
    summary_->setText(
        shown.empty() ? translated("bkps_none", "No backup kept yet.")
                      : translated("bkps_count", "Backups: %1%", {QString::number(shown.size())}));
    followSelection();
}

QString BackupsWindow::changeCount(const transfer::BackupEntry& entry) {
    const auto known = counts_.constFind(entry.path);
    if (known != counts_.constEnd()) {
        return *known;
    }
    const std::optional<int> count =
        transfer::BackupChangeCount(entry.path, quiet_, session_.messageBoxes().translator());
    const QString text = count ? QString::number(*count) : kNoCount;
    // Only a made count is kept: the sector written after may still arrive.
    if (count) {
        counts_.insert(entry.path, text);
    }
    return text;
}

std::optional<transfer::BackupEntry> BackupsWindow::selected() const {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) {
        return std::nullopt;
    }
    const QString path = item->data(TimeColumn, Qt::UserRole).toString();
    for (const transfer::BackupEntry& entry : catalogue_.entries()) {
        if (entry.path == path) {
            return entry;
        }
    }
    return std::nullopt;
}

void BackupsWindow::followSelection() {
    const std::optional<transfer::BackupEntry> entry = selected();
    const drivers::InstrumentDriver* driver = session_.window().currentDriver();
    // Another model's sector puts every field in the wrong place of the editor's.
    const bool editorsModel = entry && driver && driver->Instrument_ID() == entry->model;
    compare_->setEnabled(editorsModel);
    restore_->setEnabled(editorsModel);
    report_->setEnabled(entry && QFileInfo::exists(transfer::BackupReportPath(entry->path)));
    delete_->setEnabled(entry.has_value());
}

std::optional<transfer::SectorBackup> BackupsWindow::selectedBackup() {
    const std::optional<transfer::BackupEntry> entry = selected();
    if (!entry) {
        return std::nullopt;
    }
    return transfer::ReadBackupToRestore(session_, entry->path);
}

void BackupsWindow::compareSelected() {
    if (!compare_->isEnabled()) {
        return;
    }
    if (const auto backup = selectedBackup()) {
        actions_.compare(*backup);
    }
}

void BackupsWindow::restoreSelected() {
    if (const auto backup = selectedBackup()) {
        actions_.restore(*backup);
        // The restore kept a backup of its own.
        refresh();
    }
}

void BackupsWindow::openReport() {
    if (const auto entry = selected()) {
        actions_.open(QUrl::fromLocalFile(transfer::BackupReportPath(entry->path)));
    }
}

void BackupsWindow::showFolder() {
    actions_.open(QUrl::fromLocalFile(catalogue_.folder()));
}

void BackupsWindow::deleteSelected() {
    const std::optional<transfer::BackupEntry> entry = selected();
    if (!entry) {
        return;
    }
    documents::MessageBoxes& boxes = session_.messageBoxes();
    const QString when = entry->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!boxes.ConfirmAction(
            translated(
                "bkps_deleteask", "Delete the backup of the %1% (address %2%) taken on %3%",
                {transfer::BackupModelName(entry->model), QString::number(entry->addr), when}),
            QStringLiteral("NO"))) {
        return;
    }
    // What the analyser held before its last write exists nowhere else.
    if (catalogue_.isNewestOfAnalyser(*entry) &&
        !boxes.ConfirmAction(translated("bkps_deletenewest",
                                        "This is the newest backup of this analyser: it alone "
                                        "keeps the configuration from before its last write"),
                             QStringLiteral("NO"))) {
        return;
    }
    QString error;
    if (!catalogue_.remove(*entry, error)) {
        boxes.ShowErrorMessage(
            translated("bkps_deletefailed", "The backup could not be deleted: %1%", {error}));
    }
    counts_.remove(entry->path);
    fillFilters();
    fillList();
}

}  // namespace kilnward::editor
