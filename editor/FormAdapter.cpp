#include "editor/FormAdapter.h"

#include <QRegularExpression>

#include <cmath>

#include "app/DecimalText.h"
#include "form/FormItem.h"
#include "form/NumericItem.h"

namespace kilnward::editor::adapter {

namespace {

const form::FormItem* gUserEdit = nullptr;

// The section of a display format used for `value`: the second (after ";") for negative
// values when there is one, shown with the value's magnitude.
QString SectionFor(const QString& format, double value, bool& magnitude) {
    const qsizetype split = format.indexOf(u';');
    magnitude = value < 0 && split >= 0;
    return magnitude ? format.mid(split + 1) : format.left(split < 0 ? format.size() : split);
}

int DecimalsOf(const QString& section) {
    const qsizetype point = section.indexOf(u'.');
    if (point < 0) {
        return 0;
    }
    int decimals = 0;
    for (qsizetype i = point + 1; i < section.size() && (section[i] == u'0' || section[i] == u'#');
         ++i) {
        ++decimals;
    }
    return decimals;
}

}  // namespace

bool IsTabPage(const form::FormItem& item) {
    return item.kind() == form::ItemKind::Frame && item.container() &&
           item.container()->kind() == form::ItemKind::TabStrip;
}

QString NumericText(const form::NumericItem& item) {
    const auto value = item.value();
    return value ? FormatNumber(item.format(), *value) : QString();
}

QString FormatNumber(const QString& format, double value) {
    bool magnitude = false;
    const QString section = SectionFor(format, value, magnitude);
    const qsizetype first = section.indexOf(QRegularExpression(QStringLiteral("[0#]")));
    const QString prefix = first > 0 ? section.left(first) : QString();
    QString number =
        QString::number(magnitude ? std::fabs(value) : value, 'f', DecimalsOf(section));
    number.replace(u'.', app::DecimalSeparator());
    return prefix + number;
}

bool SetNumericText(form::NumericItem& item, const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        item.setEmpty();
        return true;
    }
    static const QRegularExpression number(QStringLiteral("^[-+]?\\d*\\.?\\d*$"));
    const QString invariant = app::ToInvariantDecimal(trimmed);
    if (!number.match(invariant).hasMatch() || !invariant.contains(QRegularExpression("\\d"))) {
        return false;
    }
    item.setValue(app::LeadingDecimalValue(invariant));
    return true;
}

void RunUserEdit(form::FormItem& item, const std::function<void()>& edit) {
    const form::FormItem* outer = gUserEdit;
    gUserEdit = &item;
    edit();
    gUserEdit = outer;
}

bool IsUserEditOf(const form::FormItem& item) {
    return gUserEdit == &item;
}

}  // namespace kilnward::editor::adapter
