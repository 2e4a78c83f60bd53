#pragma once

#include <cstdint>
#include <vector>

#include "transfer/SectorVisitor.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::drivers {
class InstrumentDriver;
}
namespace kilnward::form {
class Form;
}

namespace kilnward::transfer {

// The send side of the sector map: puts each control's value into the image through the
// driver, and fills the reserved gaps. Bytes the walk steps over keep what the image held.
class SectorEncoder : public SectorVisitor {
  public:
    SectorEncoder(const form::Form& form, drivers::InstrumentDriver& driver,
                  wirelink::ByteBuffer& image);

    std::int64_t cursor() const override { return cursor_; }
    void moveTo(std::int64_t offset) { cursor_ = offset; }
    // Puts one field; an overflow names the field (caption and key).
    void field(const SectorField& field) override;
    void fillTexts(int count, int width);

  private:
    void putField(const SectorField& field);
    void putWhole(std::int64_t value, std::int32_t type);
    void putFloat(double value);
    void putFill(int width, std::uint8_t fill);
    void text(const SectorField& field);
    void printerFlags(const SectorField& field);
    void formulaType(const SectorField& field);
    // Gathers the codes of a tree array and writes them with its last tree,
    // the trailing empty slots as 255.
    void PutTreeCodes(const SectorField& field);
    double number(const SectorField& field) const;

    const form::Form& form_;
    drivers::InstrumentDriver& driver_;
    wirelink::ByteBuffer& image_;
    std::int64_t cursor_ = 0;
    std::vector<std::uint8_t> codeList_;
};

}  // namespace kilnward::transfer
