#pragma once

#include <cstdint>

#include "wirelink/ByteBuffer.h"

namespace kilnward::form {
class Form;
class FormItem;
}  // namespace kilnward::form

namespace kilnward::transfer {

// Told where two configuration sectors differ, field by field.
class ByteDifferenceSink {
  public:
    virtual ~ByteDifferenceSink() = default;
    // A field with a byte that differs; told again for each such byte.
    virtual void field(const form::FormItem& item) = 0;
    // A byte that differs and belongs to no field.
    virtual void reserved(std::int64_t offset) = 0;
};

// Compares two sectors of `model` byte by byte and names the fields the differing bytes belong
// to, in sector order; the fields' places are those of the sector walk on `form`. A printer
// flag is named by its bit; a formula-type byte that ends the fuels in use (255) on one side
// names the fuel count, which it stands for. Bytes 0 and 1 (never written) and the bytes the
// analyser keeps for itself are not compared; a difference in size is a reserved byte where
// the shorter sector ends.
void CompareSectorBytes(const wirelink::ByteBuffer& first, const wirelink::ByteBuffer& second,
                        const form::Form& form, std::uint8_t model, ByteDifferenceSink& sink);

}  // namespace kilnward::transfer
