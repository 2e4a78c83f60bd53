#pragma once

#include <vector>

#include "transfer/UnknownListValue.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::drivers {
class InstrumentDriver;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::transfer {

// The map between the analyser's configuration sector and the main window's controls, for
// the model of `driver`. Both directions walk the same fields in the same order.
//
// How a decode treats the fuels past the fuel count: blank, as a receive shows them, or as
// the sector holds them, for a record of what the bytes say.
enum class UnusedFuels { Blank, AsStored };

// decode: puts every field of `image` into its control (the receive). A failure (a control
// refusing a value, an image too short) stops it where it happened; the controls filled
// before keep their new values. Returns the list bytes that named no entry of their list.
std::vector<UnknownListValue> DecodeConfigSector(const wirelink::ByteBuffer& image,
                                                 form::Form& form,
                                                 drivers::InstrumentDriver& driver,
                                                 UnusedFuels unusedFuels = UnusedFuels::Blank);

// encode: overwrites every managed field and reserved gap of `image` with the controls'
// values (the send's phase 2); every other byte keeps what `image` held. A value that does
// not fit its field throws before `image` is changed at all.
void EncodeConfigSector(const form::Form& form, drivers::InstrumentDriver& driver,
                        wirelink::ByteBuffer& image);

}  // namespace kilnward::transfer
