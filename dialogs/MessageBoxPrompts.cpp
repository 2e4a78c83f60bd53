#include "dialogs/MessageBoxPrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace kilnward::dialogs {

namespace {

QMessageBox::Icon BoxIcon(app::PromptIcon icon) {
    switch (icon) {
        case app::PromptIcon::Exclamation:
            return QMessageBox::Warning;
        case app::PromptIcon::Question:
            return QMessageBox::Question;
        case app::PromptIcon::Information:
            return QMessageBox::Information;
        case app::PromptIcon::Critical:
            return QMessageBox::Critical;
        case app::PromptIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(app::PromptButtons buttons) {
    switch (buttons) {
        case app::PromptButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case app::PromptButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case app::PromptButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton BoxButton(app::PromptAnswer answer) {
    switch (answer) {
        case app::PromptAnswer::Yes:
            return QMessageBox::Yes;
        case app::PromptAnswer::No:
            return QMessageBox::No;
        case app::PromptAnswer::Cancel:
            return QMessageBox::Cancel;
        case app::PromptAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// "Caption (*.ext)|*.ext|..." as Qt's "Caption (*.ext);;...". Qt reads the patterns from
// the caption's brackets, separated by blanks; a caption without them gets its patterns.
QString QtFilter(const QString& filter) {
    const QStringList pieces = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        const QString caption = QString(pieces.at(i)).replace(u';', u' ');
        const QString patterns = QString(pieces.at(i + 1)).replace(u';', u' ');
        filters << (caption.contains(u'(') ? caption
                                           : caption + QStringLiteral(" (") + patterns + u')');
    }
    if (filters.isEmpty() && !filter.isEmpty()) {
        filters << filter;
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace

MessageBoxPrompts::MessageBoxPrompts(QWidget* fallbackParent) : fallbackParent_(fallbackParent) {}

QWidget* MessageBoxPrompts::parent() const {
    QWidget* active = QApplication::activeWindow();
    return active ? active : fallbackParent_.data();
}

app::PromptAnswer MessageBoxPrompts::ask(const QString& text, const QString& title,
                                         app::PromptButtons buttons, app::PromptIcon icon,
                                         app::PromptAnswer defaultButton) {
    QMessageBox box(BoxIcon(icon), title, text, BoxButtons(buttons), parent());
    box.setDefaultButton(BoxButton(defaultButton));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return app::PromptAnswer::Yes;
        case QMessageBox::No:
            return app::PromptAnswer::No;
        case QMessageBox::Ok:
            return app::PromptAnswer::Ok;
        default:
            // Escape or the title bar's close: No of two buttons, Cancel of three.
            return buttons == app::PromptButtons::YesNo ? app::PromptAnswer::No
                                                        : app::PromptAnswer::Cancel;
    }
}

void MessageBoxPrompts::showMessage(const QString& text, const QString& title,
                                    app::PromptIcon icon) {
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, parent());
    box.exec();
}

std::optional<QString> MessageBoxPrompts::chooseFile(app::FileChooserMode mode,
                                                     const QString& fileName, const QString& filter,
                                                     const QString& defaultExtension,
                                                     const QString& title) {
    QFileDialog dialog(parent(), title, fileName, QtFilter(filter));
    dialog.setDefaultSuffix(defaultExtension);
    if (mode == app::FileChooserMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    // A folder given opens the chooser in it (which the constructor does); selecting it
    // as a file would open its parent instead.
    if (!fileName.isEmpty() && !QFileInfo(fileName).isDir()) {
        dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

QStringList MessageBoxPrompts::chooseFiles(const QString& filter, const QString& title) {
    QFileDialog dialog(parent(), title, QString(), QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

}  // namespace kilnward::dialogs
