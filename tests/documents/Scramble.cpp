#include <cmath>

#include "SessionFixture.h"
#include "form/CheckItem.h"
#include "form/ListItem.h"
#include "form/NumericItem.h"
#include "form/OptionItem.h"
#include "form/TextItem.h"
#include "form/TreeItem.h"

namespace kilnward::documents::testing {

void Scramble(MainWindowSession& session, int d, int seed) {
    int position = 0;
    for (form::FormItem* item : session.window().form().items()) {
        if (!session.files().BelongsTo(*item, d)) {
            continue;
        }
        const int n = seed * 31 + ++position;
        switch (item->kind()) {
            case form::ItemKind::Numeric: {
                auto& field = static_cast<form::NumericItem&>(*item);
                // A value inside the range, with three decimals.
                const double span = field.maximum() - field.minimum();
                const double value = field.minimum() + (n % 97) * span / 98.0 + 0.125;
                field.setValue(std::round(value * 1000.0) / 1000.0);
                break;
            }
            case form::ItemKind::List: {
                auto& list = static_cast<form::ListItem&>(*item);
                list.setListIndex(n % list.count());
                break;
            }
            case form::ItemKind::Check:
                static_cast<form::CheckItem&>(*item).setValue(n % 3);
                break;
            case form::ItemKind::Option:
                // Selecting one member clears the others: a group always keeps one set.
                if (n % 2 == 0) {
                    static_cast<form::OptionItem&>(*item).setValue(true);
                }
                break;
            case form::ItemKind::Text: {
                // No longer than the line takes: a longer text is cut when it is read.
                auto& line = static_cast<form::TextItem&>(*item);
                line.setText(QStringLiteral("Line %1").arg(n).right(line.maxLength()));
                break;
            }
            case form::ItemKind::Tree: {
                auto& tree = static_cast<form::TreeItem&>(*item);
                for (int node = 1; node <= tree.nodeCount(); ++node) {
                    tree.assignParameter(node, static_cast<std::uint8_t>((n * 7 + node) % 256));
                }
                break;
            }
            default:
                break;
        }
    }
}

}  // namespace kilnward::documents::testing
