// Arbitrary bytes as a document file of each of the five kinds, loaded as a default and as
// a chosen file: loading refuses or loads, and every numeric field stays inside its range.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "form/NumericItem.h"
#include "tests/fuzz/FuzzSession.h"
#include "tests/support/FileBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kilnward::fuzz::FuzzSession session;
    const QString path = session.scratch(QStringLiteral("document"));
    kilnward::test::WriteBytes(
        path, QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (int d = 0; d < kilnward::documents::kDocumentCount; ++d) {
        session.window->files().LoadDocument(path, d, true);
        session.window->files().LoadDocument(path, d, false);
    }
    session.prompts.clear();
    for (const kilnward::form::FormItem* item : session.window->window().form().items()) {
        if (item->kind() != kilnward::form::ItemKind::Numeric) {
            continue;
        }
        const auto& field = static_cast<const kilnward::form::NumericItem&>(*item);
        const std::optional<double> value = field.value();
        if (!value || (field.allowsEmpty() && *value == 0.0)) {
            continue;
        }
        if (std::isnan(*value) || (field.minimum() <= field.maximum() &&
                                   (*value < field.minimum() || *value > field.maximum()))) {
            std::abort();
        }
    }
    return 0;
}
