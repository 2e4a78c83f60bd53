#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

#include "app/PortChoice.h"

namespace kilnward::app {

// The settings of the serial link to the analyser: the port, the line speed, the analyser's
// address, whether the port has an infrared adapter and whether a write is read back.
// Config.ini's "Serial" section keeps all of them but the infrared choice, which follows the
// selected model. The settings dialog shows and edits one such object; transfers, the link
// tools and the command line take it (or the link settings it yields).
struct SerialSettings {
    // The line speeds the settings offer, slowest first.
    static QStringList BaudRates();
    // Whether `text` names a line speed the settings offer (one of BaudRates()): the settings
    // dialog can show only those, so the window and the command line take no other.
    static bool IsBaudRate(const QString& text);
    // The analyser address `text` names, from 0 to 255; nothing otherwise.
    static std::optional<std::uint8_t> AddressOf(const QString& text);

    // The settings Config.ini holds now, each missing or empty key at its default; the infrared
    // choice is `useInfrared`. A stored line speed the settings do not offer, or an address
    // outside 0..255, is told (a notice) and its default is used instead: the dialog could
    // not show it, so a link at that value would differ from what the user sees and checks.
    static SerialSettings Load(bool useInfrared);
    // Config.ini's address by the same rule, for readers that want nothing else.
    static std::uint8_t StoredAddress();
    // Writes port, line speed, address and the read-back check into Config.ini, with the
    // program's version.
    void store() const;

    PortChoice port = PortChoice::fromStored({});
    QString baudRate = DefaultBaudRate();
    std::uint8_t address = 0;
    bool useInfrared = false;
    bool verifyAfterSend = true;

  private:
    static QString DefaultBaudRate();
    static QString StoredBaudRate();
};

}  // namespace kilnward::app
