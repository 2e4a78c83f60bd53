#include "editor/DifferencesDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/ControlKey.h"
#include "app/Translator.h"
#include "dialogs/ControlNames.h"

namespace kilnward::editor {

namespace {

enum Column { FieldColumn, BeforeColumn, AfterColumn, DocumentColumn, ColumnCount };

QString Key(const char* control) {
    return app::ControlKey(QStringLiteral("frmdifferences"), QLatin1String(control));
}

}  // namespace

DifferencesDialog::DifferencesDialog(const Texts& texts,
                                     const std::vector<documents::FieldDifference>& rows,
                                     app::Translator& translator, QWidget* parent)
    : QDialog(parent), summary_(new QLabel(this)), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("frmdifferences"));
    setWindowTitle(texts.title);
    summary_->setObjectName(Key(dialogs::control::lblsummary));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setText(
        rows.empty() ? app::Translated(translator, "differencesnone", "No field differs.")
                     : app::Translated(translator, "differencescount", "Fields that differ: %1%",
                                       {QString::number(rows.size())}));

    list_->setObjectName(Key(dialogs::control::lstdifferences));
    list_->setAccessibleName(texts.title);
    list_->setColumnCount(ColumnCount);
    list_->setHeaderLabels({app::Translated(translator, "differencesfield", "Field"),
                            texts.beforeHeader, texts.afterHeader,
                            app::Translated(translator, "differencesdocument", "Document")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const documents::FieldDifference& row : rows) {
        auto* item = new QTreeWidgetItem(
            list_, QStringList{row.title, row.before, row.after, row.documentName});
        item->setData(FieldColumn, Qt::UserRole, row.key);
        // Long values (a tree's parameter names) are cut in the cell; the tip shows them.
        for (int column = 0; column < ColumnCount; ++column) {
            item->setToolTip(column, item->text(column));
        }
    }
    // Room between the columns; very long values are cut, the last column takes the rest.
    const int padding = fontMetrics().averageCharWidth() * 3;
    for (int column = 0; column + 1 < ColumnCount; ++column) {
        list_->resizeColumnToContents(column);
        list_->setColumnWidth(column, std::min(list_->columnWidth(column) + padding, 340));
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(app::Translated(translator, "close", "&Close"),
                                            QDialogButtonBox::RejectRole);
    close->setObjectName(Key(dialogs::control::cmdclose));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(820, 380);
}

QString DifferencesDialog::summary() const {
    return summary_->text();
}

}  // namespace kilnward::editor
