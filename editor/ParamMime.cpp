#include "editor/ParamMime.h"

#include <QMimeData>

namespace kilnward::editor {

QMimeData* MakeParamMimeData(std::uint8_t parameterId, const QString& name) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kParamMimeType), QByteArray::number(parameterId));
    data->setText(name);
    return data;
}

std::optional<std::uint8_t> ParamFromMimeData(const QMimeData* data) {
    if (!data || !data->hasFormat(QString::fromLatin1(kParamMimeType))) {
        return std::nullopt;
    }
    bool ok = false;
    const uint id = data->data(QString::fromLatin1(kParamMimeType)).toUInt(&ok);
    if (!ok || id > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(id);
}

}  // namespace kilnward::editor
