#include "editor/FindFieldBox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

#include "editor/Binder.h"
#include "editor/Binding.h"
#include "editor/ExtraMenus.h"
#include "editor/FormAdapter.h"
#include "form/FormItem.h"
#include "form/MainForm.h"
#include "form/TabStripItem.h"
#include "language/LangMan.h"
#include "language/LanguageManager.h"

namespace kilnward::editor {

namespace {

constexpr int kVisibleRows = 12;
constexpr int kWidthInCharacters = 60;

QString Translated(const char* key, const char* english) {
    return language::LangMan().TranslateString(QLatin1String(key), QLatin1String(english));
}

}  // namespace

FindFieldBox::FindFieldBox(form::MainForm& window, Binder& binder, ExtraMenus& menus,
                           QWidget* parent)
    : QDialog(parent, Qt::Tool),
      window_(window),
      binder_(binder),
      finder_(window),
      prompt_(new QLabel(this)),
      query_(new QLineEdit(this)),
      results_(new QListWidget(this)),
      outcome_(new QLabel(this)) {
    setObjectName(QStringLiteral("findfield"));
    query_->setObjectName(QStringLiteral("findfieldtext"));
    results_->setObjectName(QStringLiteral("findfieldlist"));
    outcome_->setObjectName(QStringLiteral("findfieldoutcome"));
    prompt_->setBuddy(query_);
    query_->setClearButtonEnabled(true);
    query_->installEventFilter(this);
    results_->setUniformItemSizes(true);
    const int rowHeight = fontMetrics().height() + 4;
    results_->setMinimumSize(fontMetrics().averageCharWidth() * kWidthInCharacters,
                             rowHeight * kVisibleRows);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(query_);
    layout->addWidget(results_, 1);
    layout->addWidget(outcome_);
    connect(query_, &QLineEdit::textChanged, this, &FindFieldBox::showMatches);
    connect(query_, &QLineEdit::returnPressed, this, [this] { choose(results_->currentRow()); });
    connect(results_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(results_->row(item)); });
    QAction* find =
        menus.addCommand(menus.edit(), "mnufindfield", "&Find field...", QKeySequence::Find);
    find->setShortcuts(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &FindFieldBox::start);
    translate();
}

void FindFieldBox::translate() {
    setWindowTitle(Translated("findfieldtitle", "Find field"));
    prompt_->setText(Translated("findfieldprompt", "Part of the field's &caption:"));
    query_->setAccessibleName(Binding::ShownText(prompt_->text()));
    results_->setAccessibleName(Translated("findfieldlist", "Fields found"));
}

void FindFieldBox::start() {
    // The captions and the language may have changed since the box was last open.
    translate();
    showMatches();
    show();
    raise();
    activateWindow();
    query_->selectAll();
    query_->setFocus(Qt::ShortcutFocusReason);
}

void FindFieldBox::search(const QString& text) {
    query_->setText(text);
}

void FindFieldBox::showMatches() {
    matches_ = finder_.find(query_->text());
    results_->clear();
    const QString disabled = Translated("findfielddisabled", "(disabled)");
    const QBrush grey = palette().brush(QPalette::Disabled, QPalette::Text);
    for (const form::FieldFinder::Match& match : matches_) {
        QString text = match.caption;
        if (!match.path.isEmpty()) {
            text += QStringLiteral(" \u2014 ") + match.path.join(QStringLiteral(" \u203a "));
        }
        auto* row = new QListWidgetItem(results_);
        if (!match.enabled) {
            text += u' ' + disabled;
            row->setForeground(grey);
        }
        row->setText(text);
    }
    results_->setCurrentRow(matches_.empty() ? -1 : 0);
    const bool none = matches_.empty() && !query_->text().trimmed().isEmpty();
    outcome_->setText(none ? Translated("findfieldnone", "No field has such a caption.")
                           : QString());
}

void FindFieldBox::choose(int row) {
    if (row < 0 || row >= static_cast<int>(matches_.size())) {
        return;
    }
    const form::FieldFinder::Match match = matches_[static_cast<size_t>(row)];
    hide();
    // Opened as the user would click each tab, so the tab rules run.
    for (const form::FieldFinder::Tab& tab : match.tabs) {
        adapter::RunUserEdit(*tab.strip, [&tab] { tab.strip->clickTab(tab.tab); });
    }
    const Binding* binding = binder_.find(*match.field);
    if (QWidget* field = binding ? binding->widget() : nullptr) {
        field->window()->activateWindow();
        field->setFocus(Qt::ShortcutFocusReason);
    }
}

bool FindFieldBox::eventFilter(QObject* watched, QEvent* event) {
    // Up and down in the text walk the list, so the hand stays on the keys.
    if (watched == query_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            QApplication::sendEvent(results_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kilnward::editor
