#pragma once

#include <QString>

class QFontMetrics;

namespace kilnward::editor {

// The width of the longest catalogue parameter name followed by `suffix`, in `metrics`:
// what a parameter tree needs to show every name uncut.
int ParamNameWidth(const QFontMetrics& metrics, const QString& suffix = {});

}  // namespace kilnward::editor
