#pragma once

#include <QStringList>

#include <cstdint>
#include <stdexcept>

#include "wirelink/ByteBuffer.h"

namespace kilnward::app {
class Translator;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::transfer {

// A send or restore whose sector, read back, is not what was written: the analyser
// acknowledged writes it did not keep. The message names the fields.
class ReadBackMismatch : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The places where `readBack` differs from `written`, named as the user sees the fields
// (caption and key, in the form's current language), in sector order and each once; bytes of
// no field as ranges of reserved bytes. Bytes 0 and 1 (never written) and the bytes the
// analyser keeps for itself are not compared. `form` gives the layout of `model`'s sector.
QStringList ReadBackDifferences(const wirelink::ByteBuffer& written,
                                const wirelink::ByteBuffer& readBack, const form::Form& form,
                                std::uint8_t model, app::Translator& translator);

}  // namespace kilnward::transfer
