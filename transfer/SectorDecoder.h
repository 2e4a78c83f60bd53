#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "transfer/SectorVisitor.h"
#include "transfer/UnknownListValue.h"
#include "wirelink/ByteBuffer.h"

namespace kilnward::drivers {
class InstrumentDriver;
}
namespace kilnward::form {
class Form;
class TreeItem;
}  // namespace kilnward::form

namespace kilnward::transfer {

// The receive side of the sector map: takes each field out of the image through the driver
// and puts it into its control, so the controls' change handlers run as for an edit.
// The first fuel whose formula-type byte is 255 sets the number of fuels in use; from it on
// the fuels are blank (unless `blankUnusedFuels` is false: then they hold what is stored).
class SectorDecoder : public SectorVisitor {
  public:
    SectorDecoder(const wirelink::ByteBuffer& image, form::Form& form,
                  drivers::InstrumentDriver& driver, bool blankUnusedFuels = true);

    std::int64_t cursor() const override { return cursor_; }
    void field(const SectorField& field) override;
    void beginFuel(int fuel) override;
    void endFuels() override;

    // List bytes that named no entry of their list, in stored order.
    const std::vector<UnknownListValue>& unknownValues() const { return unknown_; }

  private:
    std::int64_t readWhole(std::int32_t type);
    float readFloat();
    // The float at the cursor; a NaN or an infinity is told and reads as 0.
    double finiteFloat(const SectorField& field);
    bool blankFuel() const { return blankUnusedFuels_ && fuel_ >= 0 && !fuelsValid_; }
    void listByte(const SectorField& field, int value);
    void text(const SectorField& field);
    void printerFlags(const SectorField& field);
    void direction(const SectorField& field);
    void number(const SectorField& field, double value);
    void formulaType(const SectorField& field);
    // A 255 ends the list; the end stays in force into the next tree unless
    // the field restarts it.
    void GetTreeCodes(const SectorField& field);

    const wirelink::ByteBuffer& image_;
    form::Form& form_;
    drivers::InstrumentDriver& driver_;
    bool blankUnusedFuels_;
    std::int64_t cursor_ = 0;
    bool codesEnded_ = false;
    int fuel_ = -1;
    bool fuelsValid_ = true;
    std::vector<UnknownListValue> unknown_;
};

}  // namespace kilnward::transfer
