#pragma once

#include "drivers/InstrumentDriver.h"
#include "drivers/ModelRow.h"

namespace kilnward::drivers {

// The whole member set, parameterised by a row of the model table. The ten model classes
// derive from it and only name their row.
class ModelDriver : public InstrumentDriver {
  public:
    void linktowirelinkctrl(wirelink::Wirelink* link) override;

    std::uint8_t Instrument_ID() const override;
    std::string Instrument_Name() const override;
    bool Use_Infrared() const override;
    std::int64_t Calibsector_size() const override;
    std::int64_t Configsector_size() const override;
    std::int64_t Tagsector_size() const override;
    std::int64_t Measuresector_size() const override;
    std::int16_t getoffsFORMULATYPEFROMCOMB() const override;
    std::int16_t MaxTagsinSector() const override;
    std::int16_t TotalTagsinSector() const override;

    std::int16_t Appendinbuffer(wirelink::ByteBuffer& buffer, const BufferValue& value,
                                std::int32_t type) override;
    std::int16_t Putinbuffer(wirelink::ByteBuffer& buffer, std::int64_t& address,
                             const BufferValue& value, std::int32_t type) override;
    BufferValue Getfrombuffer(const wirelink::ByteBuffer& buffer, std::int32_t type,
                              std::int64_t address, std::int16_t length = 0) const override;
    BufferValue Getfrombufferinc(const wirelink::ByteBuffer& buffer, std::int32_t type,
                                 std::int64_t& address, std::int16_t length = 0) const override;
    std::int16_t Getbit(const BufferValue& value, std::uint8_t bit) const override;
    std::string TranslateString(const std::string& text, std::int32_t direction,
                                std::int16_t width) const override;

    std::int32_t SetRemLoc(std::uint8_t addr, std::int32_t mode) override;
    std::int32_t StartWriteTransaction(std::uint8_t addr, std::int32_t mode) override;
    std::int32_t EndWriteTransaction(std::uint8_t addr) override;
    std::int32_t WritetoRelativeDevice(std::uint8_t addr, std::int32_t device, std::int64_t address,
                                       const wirelink::ByteBuffer& data) override;
    std::int32_t ReadfromRelativeDevice(std::uint8_t addr, std::int32_t device,
                                        std::int64_t address, std::int16_t count,
                                        wirelink::ByteBuffer& data) override;
    std::int32_t WriteRTCClock(std::uint8_t addr, DateTime when) override;
    std::int32_t ReadRTCClock(std::uint8_t addr, DateTime& when) override;

    float Compilemeasfloat(float value, std::int32_t errorCode) const override;
    std::int16_t Compilemeasint(float value, float scale, std::int32_t errorCode) const override;
    float Getmeasfloat(float value, std::int32_t& errorCode) const override;
    float Getmeasint(std::int16_t value, float scale, std::int32_t& errorCode) const override;
    std::string geterrorstring(std::int32_t errorCode) const override;

  protected:
    explicit ModelDriver(const ModelRow& row) : row_(row) {}

  private:
    wirelink::Wirelink& Link() const;

    const ModelRow& row_;
    wirelink::Wirelink* link_ = nullptr;
};

}  // namespace kilnward::drivers
