#include "dialogs/OkButtonBox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "dialogs/ControlNames.h"
#include "dialogs/WidgetWindow.h"

namespace kilnward::dialogs {

QDialogButtonBox* OkButtonBox(QDialog& dialog, WidgetWindow& window) {
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* cmdOK = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setDefault(true);
    window.name(*cmdOK, control::cmdOK);
    QObject::connect(cmdOK, &QPushButton::clicked, &dialog, &QDialog::accept);
    return buttons;
}

}  // namespace kilnward::dialogs
