#pragma once

#include <QString>

namespace kilnward::form {

// A caption as the user reads it: the access-key marks ("&") gone ("&&" leaves one "&"),
// the surrounding blanks trimmed.
QString ShownCaption(const QString& caption);

}  // namespace kilnward::form
