#pragma once

#include <QStringList>

#include <cstdint>
#include <stdexcept>

#include "wirelink/ByteBuffer.h"

namespace kilnward::app {
class Translator;
class UserPrompts;
}  // namespace kilnward::app
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
// The same without a window of the model at hand: the fields named as a scratch window of
// `model` shows them in the translator's language (a record written in another language
// than the transfer's).
QStringList ReadBackDifferences(const wirelink::ByteBuffer& written,
                                const wirelink::ByteBuffer& readBack, std::uint8_t model,
                                app::UserPrompts& prompts, app::Translator& translator);

}  // namespace kilnward::transfer
