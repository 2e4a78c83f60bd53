#include "wirelink/QtSerialCommPort.h"

#include <QFileInfo>
#include <QSerialPort>
#include <algorithm>
#include <cctype>

#if !defined(_WIN32)
#include <unistd.h>
#endif

#include "wirelink/LineSettings.h"
#include "wirelink/PortErrors.h"
#include "wirelink/PortNames.h"

namespace wirelink {

namespace {

using Clock = std::chrono::steady_clock;

QSerialPort::Parity ToQt(LineSettings::Parity parity) {
    switch (parity) {
        case LineSettings::Parity::Even:
            return QSerialPort::EvenParity;
        case LineSettings::Parity::Odd:
            return QSerialPort::OddParity;
        case LineSettings::Parity::Mark:
            return QSerialPort::MarkParity;
        case LineSettings::Parity::Space:
            return QSerialPort::SpaceParity;
        case LineSettings::Parity::None:
            break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits ToQt(LineSettings::StopBits stopBits) {
    switch (stopBits) {
        case LineSettings::StopBits::OneAndHalf:
            return QSerialPort::OneAndHalfStop;
        case LineSettings::StopBits::Two:
            return QSerialPort::TwoStop;
        case LineSettings::StopBits::One:
            break;
    }
    return QSerialPort::OneStop;
}

PortError OpenFailureCode(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return PortError::InvalidPortNumber;
        case QSerialPort::OpenError:
            return PortError::PortAlreadyOpen;
        case QSerialPort::UnsupportedOperationError:
            return PortError::CannotSetCommState;
        default:
            return PortError::HardwareNotAvailable;
    }
}

constexpr const char* kChoosePort =
    "choose the analyser's serial device (for example /dev/ttyUSB0 or COM3)";

// Refuses, before opening, a path that can never be a serial port, naming it.
void RequireDevicePath(const std::string& name) {
    const QFileInfo info(QString::fromStdString(name));
    if (info.isDir()) {
        throw PortFailure(PortError::NotASerialPort,
                          name + " is a folder, not a serial port: " + kChoosePort);
    }
    if (info.isFile()) {
        throw PortFailure(PortError::NotASerialPort,
                          name + " is a regular file, not a serial port: " + kChoosePort);
    }
}

// Why a port that exists could not be opened, naming it and what to do.
std::string RefusedText(const std::string& name, const std::string& reason) {
#if !defined(_WIN32)
    if (::access(name.c_str(), R_OK | W_OK) != 0) {
        return name + ": no permission to use this port (" + reason +
               "): ask for access to the serial ports (on Linux, membership of the group "
               "that owns the device, usually dialout)";
    }
#endif
    return name + " is in use by another program (" + reason +
           "): close that program, or choose another port";
}

}  // namespace

struct QtSerialCommPort::Impl {
    QSerialPort serial;
    std::string name;
    std::string settingsText = "9600,n,8,1";
    LineSettings settings;
    bool dtr = false;
    bool rts = false;
    bool modemLines = false;
    int lineError = 0;

    Impl() {
        QObject::connect(
            &serial, &QSerialPort::errorOccurred, &serial,
            [this](QSerialPort::SerialPortError error) {
                // Qt reports no framing or parity detail; a failed read is
                // what is left of a line error.
                if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError) {
                    lineError = kLineErrorOverrun;
                }
            });
    }

    std::string errorText() const { return serial.errorString().toStdString(); }

    [[noreturn]] void fail(PortError code) const { throw PortFailure(code, errorText()); }

    void requireOpen() const {
        if (!serial.isOpen()) {
            throw PortFailure(PortError::PortNotOpen, "Operation valid only when the port is open");
        }
    }

    // Moves what the system has received into the port's buffer, without blocking.
    void collect() {
        if (serial.bytesToWrite() > 0) {
            serial.flush();
        }
        serial.waitForReadyRead(0);
    }

    void applySettings() {
        if (!serial.setBaudRate(settings.baudRate) ||
            !serial.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) ||
            !serial.setParity(ToQt(settings.parity)) ||
            !serial.setStopBits(ToQt(settings.stopBits))) {
            fail(PortError::CannotSetCommState);
        }
    }

    bool probeModemLines() {
        serial.clearError();
        serial.pinoutSignals();
        const bool present = serial.error() == QSerialPort::NoError;
        serial.clearError();
        return present;
    }

    void driveLine(bool& line, bool high, bool (QSerialPort::*setter)(bool)) {
        line = high;
        if (serial.isOpen() && !(serial.*setter)(high)) {
            fail(PortError::CannotSetCommState);
        }
    }
};

QtSerialCommPort::QtSerialCommPort() : d_(std::make_unique<Impl>()) {}

QtSerialCommPort::~QtSerialCommPort() = default;

std::string QtSerialCommPort::PlatformPortName(std::int16_t number) {
    return PortNameForNumber(number, kThisPlatform);
}

void QtSerialCommPort::setPortNumber(std::int16_t number) {
    d_->name = PlatformPortName(number);
}

void QtSerialCommPort::setPortName(const std::string& name) {
    // A pure number names a port the way ComPort does; anything else is a device name.
    const bool number =
        !name.empty() && name.size() <= 4 &&
        std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    d_->name = number ? PlatformPortName(static_cast<std::int16_t>(std::stoi(name))) : name;
#if !defined(_WIN32)
    // A relative path is a path from the current folder, as given: not a name under /dev.
    if (!number && !name.empty() && name.front() != '/') {
        d_->name = QFileInfo(QString::fromStdString(name)).absoluteFilePath().toStdString();
    }
#endif
}

std::string QtSerialCommPort::portName() const {
    return d_->name;
}

void QtSerialCommPort::setSettings(const std::string& settings) {
    const auto parsed = ParseLineSettings(settings);
    if (!parsed) {
        throw PortFailure(PortError::InvalidSettings, "Invalid property value: " + settings);
    }
    d_->settings = *parsed;
    d_->settingsText = settings;
    if (d_->serial.isOpen()) {
        d_->applySettings();
    }
}

std::string QtSerialCommPort::settings() const {
    return d_->settingsText;
}

void QtSerialCommPort::open() {
    if (d_->serial.isOpen()) {
        throw PortFailure(PortError::PortAlreadyOpen, "Port already open");
    }
    if (d_->name.empty()) {
        throw PortFailure(PortError::InvalidPortNumber, "Invalid port number");
    }
    RequireDevicePath(d_->name);
    d_->serial.setPortName(QString::fromStdString(d_->name));
    d_->serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!d_->serial.open(QIODevice::ReadWrite)) {
        const PortError code = OpenFailureCode(d_->serial.error());
        if (code == PortError::HardwareNotAvailable) {
            throw PortFailure(code, RefusedText(d_->name, d_->errorText()));
        }
        if (code == PortError::InvalidPortNumber) {
            throw PortFailure(code, d_->name + ": no such port (" + d_->errorText() +
                                        "): check that the analyser's adapter is plugged in, "
                                        "then " +
                                        kChoosePort);
        }
        d_->fail(code);
    }
    try {
        d_->applySettings();
    } catch (const Error&) {
        d_->serial.close();
        throw;
    }
    d_->lineError = 0;
    d_->modemLines = d_->probeModemLines();
    if (d_->modemLines) {
        d_->serial.setDataTerminalReady(d_->dtr);
        d_->serial.setRequestToSend(d_->rts);
    }
}

void QtSerialCommPort::close() {
    d_->serial.close();
    d_->modemLines = false;
}

bool QtSerialCommPort::isOpen() const {
    return d_->serial.isOpen();
}

bool QtSerialCommPort::hasModemLines() const {
    return d_->modemLines;
}

void QtSerialCommPort::setDtr(bool high) {
    d_->driveLine(d_->dtr, high, &QSerialPort::setDataTerminalReady);
}

void QtSerialCommPort::setRts(bool high) {
    d_->driveLine(d_->rts, high, &QSerialPort::setRequestToSend);
}

bool QtSerialCommPort::dsrHolding() {
    if (!d_->serial.isOpen() || !d_->modemLines) {
        return false;
    }
    return (d_->serial.pinoutSignals() & QSerialPort::DataSetReadySignal) != 0;
}

std::size_t QtSerialCommPort::bytesAvailable() {
    d_->requireOpen();
    d_->collect();
    return static_cast<std::size_t>(d_->serial.bytesAvailable());
}

void QtSerialCommPort::discardInput() {
    d_->requireOpen();
    d_->serial.clear(QSerialPort::Input);
}

ByteBuffer QtSerialCommPort::read(std::size_t maxBytes) {
    d_->requireOpen();
    d_->collect();
    const QByteArray bytes =
        maxBytes == 0 ? d_->serial.readAll() : d_->serial.read(static_cast<qint64>(maxBytes));
    return ByteBuffer(bytes.begin(), bytes.end());
}

void QtSerialCommPort::write(const ByteBuffer& bytes) {
    d_->requireOpen();
    const auto size = static_cast<qint64>(bytes.size());
    if (d_->serial.write(reinterpret_cast<const char*>(bytes.data()), size) != size) {
        d_->fail(PortError::WriteFailed);
    }
    // Hand the bytes to the system at once; what it cannot take yet goes out during the
    // next wait.
    d_->serial.flush();
}

std::size_t QtSerialCommPort::bytesToWrite() {
    return d_->serial.isOpen() ? static_cast<std::size_t>(d_->serial.bytesToWrite()) : 0;
}

int QtSerialCommPort::takeLineError() {
    return std::exchange(d_->lineError, 0);
}

bool QtSerialCommPort::waitForInput(std::size_t known, std::chrono::milliseconds timeout) {
    d_->requireOpen();
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        d_->collect();
        if (static_cast<std::size_t>(d_->serial.bytesAvailable()) > known) {
            return true;
        }
        const auto remaining =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (remaining <= 0 || !d_->serial.isOpen()) {
            return false;
        }
        d_->serial.clearError();
        if (!d_->serial.waitForReadyRead(static_cast<int>(remaining)) &&
            d_->serial.error() != QSerialPort::TimeoutError &&
            d_->serial.error() != QSerialPort::NoError) {
            // The device failed (unplugged, gone): waiting on would only spin.
            d_->fail(PortError::ReadFailed);
        }
    }
}

bool QtSerialCommPort::waitForBytesWritten(std::chrono::milliseconds timeout) {
    if (!d_->serial.isOpen() || d_->serial.bytesToWrite() == 0) {
        return true;
    }
    return d_->serial.waitForBytesWritten(static_cast<int>(timeout.count()));
}

}  // namespace wirelink
