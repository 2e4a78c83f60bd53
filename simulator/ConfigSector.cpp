#include "simulator/ConfigSector.h"

#include <QFile>

#include "app/AtomicFile.h"

#include <algorithm>
#include <stdexcept>

namespace kilnward::sim {

ConfigSector::ConfigSector() : bytes_(kSize, 0) {}

bool ConfigSector::contains(std::uint32_t address, std::size_t count) {
    return address <= kSize && count <= kSize - address;
}

wirelink::ByteBuffer ConfigSector::read(std::uint32_t address, std::size_t count) const {
    if (!contains(address, count)) {
        throw std::out_of_range("read outside the configuration sector");
    }
    return wirelink::ByteBuffer(bytes_.begin() + address, bytes_.begin() + address + count);
}

void ConfigSector::write(std::uint32_t address, const std::uint8_t* data, std::size_t count) {
    if (!contains(address, count)) {
        throw std::out_of_range("write outside the configuration sector");
    }
    std::copy(data, data + count, bytes_.begin() + address);
}

void ConfigSector::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot open image " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
    const QByteArray content = file.read(kSize + 1);
    if (content.size() != static_cast<qsizetype>(kSize)) {
        throw std::runtime_error("image " + path.toStdString() + " is not " +
                                 std::to_string(kSize) + " bytes long");
    }
    std::copy(content.begin(), content.end(), bytes_.begin());
}

void ConfigSector::save(const QString& path) const {
    const QByteArray image(reinterpret_cast<const char*>(bytes_.data()),
                           static_cast<qsizetype>(bytes_.size()));
    QString error;
    if (!app::WriteFileAtomically(path, image, &error)) {
        throw std::runtime_error("cannot write image " + path.toStdString() + ": " +
                                 error.toStdString());
    }
}

}  // namespace kilnward::sim
