#include "editor/WidgetPrompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace kilnward::editor {

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

}  // namespace

app::PromptAnswer WidgetPrompts::ask(const QString& text, const QString& title,
                                     app::PromptButtons buttons, app::PromptIcon icon,
                                     app::PromptAnswer defaultButton) {
    QMessageBox box(BoxIcon(icon), title, text, BoxButtons(buttons), owner_);
    box.setDefaultButton(BoxButton(defaultButton));
    switch (box.exec()) {
        case QMessageBox::Yes:
            return app::PromptAnswer::Yes;
        case QMessageBox::No:
            return app::PromptAnswer::No;
        case QMessageBox::Ok:
            return app::PromptAnswer::Ok;
        default:
            // Escape or the window's close button.
            return buttons == app::PromptButtons::YesNo ? app::PromptAnswer::No
                                                        : app::PromptAnswer::Cancel;
    }
}

void WidgetPrompts::showMessage(const QString& text, const QString& title, app::PromptIcon icon) {
    QMessageBox box(BoxIcon(icon), title, text, QMessageBox::Ok, owner_);
    box.exec();
}

std::optional<QString> WidgetPrompts::chooseFile(app::FileChooserMode mode, const QString& fileName,
                                                 const QString& filter,
                                                 const QString& defaultExtension,
                                                 const QString& title) {
    QFileDialog dialog(owner_, title, fileName, QtFilter(filter));
    const bool open = mode == app::FileChooserMode::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultExtension);
    if (!fileName.isEmpty()) {
        dialog.selectFile(fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

QString WidgetPrompts::QtFilter(const QString& filter) {
    const QStringList pieces = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        // Qt reads the patterns from the brackets of the caption, separated by blanks.
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

}  // namespace kilnward::editor
