#include "transfer/SectorMap.h"

#include "drivers/InstrumentDriver.h"
#include "form/Form.h"
#include "transfer/SectorDecoder.h"
#include "transfer/SectorEncoder.h"
#include "transfer/SectorLayout.h"
#include "transfer/SectorWalk.h"

namespace kilnward::transfer {

std::vector<UnknownListValue> DecodeConfigSector(const wirelink::ByteBuffer& image,
                                                 form::Form& form,
                                                 drivers::InstrumentDriver& driver,
                                                 UnusedFuels unusedFuels) {
    SectorDecoder decoder(image, form, driver, unusedFuels == UnusedFuels::Blank);
    WalkSector(form, driver.Instrument_ID(), decoder);
    return decoder.unknownValues();
}

void EncodeConfigSector(const form::Form& form, drivers::InstrumentDriver& driver,
                        wirelink::ByteBuffer& image) {
    // Encoded on a copy, so a field that does not fit leaves the image as it was.
    wirelink::ByteBuffer encoded = image;
    SectorEncoder encoder(form, driver, encoded);
    WalkSector(form, driver.Instrument_ID(), encoder);
    encoder.moveTo(layout::kSendGap);
    encoder.fillTexts(layout::kSendGapTexts, layout::kSendGapTextWidth);
    image.swap(encoded);
}

}  // namespace kilnward::transfer
