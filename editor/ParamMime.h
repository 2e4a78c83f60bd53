#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QMimeData;

namespace kilnward::editor {

// A parameter dragged from the parameter list onto a parameter slot.
inline constexpr auto kParamMimeType = "application/x-kilnward-parameter";

QMimeData* MakeParamMimeData(std::uint8_t parameterId, const QString& name);
// The dragged parameter, nullopt when the data holds none.
std::optional<std::uint8_t> ParamFromMimeData(const QMimeData* data);

}  // namespace kilnward::editor
