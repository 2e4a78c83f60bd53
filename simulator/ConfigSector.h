#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

#include "wirelink/ByteBuffer.h"

namespace kilnward::sim {

// The analyser's configuration sector (relative device 1): 2048 bytes of memory that can
// be loaded from and saved to a plain binary image file.
class ConfigSector {
  public:
    static constexpr std::size_t kSize = 2048;

    ConfigSector();

    // True when [address, address + count) lies inside the sector.
    static bool contains(std::uint32_t address, std::size_t count);
    wirelink::ByteBuffer read(std::uint32_t address, std::size_t count) const;
    void write(std::uint32_t address, const std::uint8_t* data, std::size_t count);

    const wirelink::ByteBuffer& bytes() const { return bytes_; }

    // The file must hold exactly kSize bytes; throws std::runtime_error otherwise.
    void load(const QString& path);
    // Writes through a temporary file that replaces the image only once every byte is on
    // disk, so a failed or short write keeps the previous image.
    void save(const QString& path) const;

  private:
    wirelink::ByteBuffer bytes_;
};

}  // namespace kilnward::sim
