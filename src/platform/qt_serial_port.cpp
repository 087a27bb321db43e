#include "platform/qt_serial_port.h"

#include "platform/com_ports.h"

#include <QMetaObject>
#include <QSignalBlocker>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#endif

namespace orvane {
namespace {

constexpr int HighestComPort = 255;
// Qt 6.4 reports a hung-up terminal as a ReadError per notification, hundreds of thousands
// a second; a run this long without a byte read is no passing hiccup.
constexpr int ReadErrorBurstLimit = 100;
constexpr int DeviceCheckMilliseconds = 1000;

std::string ComText(int port) {
    return "COM " + std::to_string(port);
}

std::string_view Trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

std::vector<std::string_view> SplitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    for (std::size_t comma; (comma = text.find(',')) != std::string_view::npos;) {
        fields.push_back(Trimmed(text.substr(0, comma)));
        text.remove_prefix(comma + 1);
    }
    fields.push_back(Trimmed(text));
    return fields;
}

// How to give the number a device, for the messages of a failed open.
std::string MappingHint(int port) {
#ifdef Q_OS_UNIX
    const auto link = DefaultComPortPlaces().portsFolder / ("COM" + std::to_string(port));
    return "Plug the adapter in, or map " + ComText(port) +
           " to an existing device: ln -sf /dev/ttyUSB0 " + link.string();
#else
    return "Check the number of the port in the Device Manager.";
#endif
}

std::string DeviceGroup(const std::string& devicePath) {
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(devicePath.c_str(), &status) == 0 && status.st_gid != 0) {
        if (const group* owner = ::getgrgid(status.st_gid); owner && owner->gr_name)
            return owner->gr_name;
    }
#else
    (void)devicePath;
#endif
    return "dialout";
}

std::string OpenFailureText(const QSerialPort& port, const std::string& devicePath, int number) {
    const std::string com = ComText(number);
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return com + " is mapped to " + devicePath + ", which does not exist. " +
               MappingHint(number);
    case QSerialPort::PermissionError: {
        const std::string group = DeviceGroup(devicePath);
        return "Permission denied on " + devicePath + ". Add your user to the group '" + group +
               "' (sudo usermod -aG " + group + " $USER) and log in again.";
    }
    case QSerialPort::OpenError:
        return devicePath + " (" + com +
               ") is in use by another program. Close it there and try again.";
    default:
        return "Cannot open " + devicePath + " (" + com + "): " + port.errorString().toStdString() +
               ".";
    }
}

bool IsPseudoTerminal(const std::string& devicePath) {
    std::error_code error;
    const std::string real = std::filesystem::canonical(devicePath, error).string();
    return !error && real.rfind("/dev/pts/", 0) == 0;
}

QSerialPort::Parity ToQtParity(char letter) {
    switch (letter) {
    case 'e':
        return QSerialPort::EvenParity;
    case 'o':
        return QSerialPort::OddParity;
    default:
        return QSerialPort::NoParity;
    }
}

} // namespace

int LineMarkDecoder::Decode(std::string_view raw, std::string& out) {
    constexpr char Mark = '\xFF';
    int breaks = 0;
    for (const char byte : raw) {
        switch (state_) {
        case State::Data:
            if (byte == Mark)
                state_ = State::AfterMark;
            else
                out += byte;
            break;
        case State::AfterMark:
            if (byte == '\0') {
                state_ = State::AfterMarkZero;
                break;
            }
            // FF FF is a data byte FF; anything else after FF is no mark and passes as it came.
            out += Mark;
            if (byte != Mark)
                out += byte;
            state_ = State::Data;
            break;
        case State::AfterMarkZero:
            if (byte == '\0')
                ++breaks;
            state_ = State::Data;
            break;
        }
    }
    return breaks;
}

QtSerialPort::QtSerialPort(QObject* parent) : QObject(parent) {
    deviceCheck_.setInterval(DeviceCheckMilliseconds);
    // Queued, so that whoever handles readyRead may close the port: closing inside the
    // port's own notification would delete the notifier that is calling.
    connect(&port_, &QSerialPort::readyRead, this, &QtSerialPort::TakeArrivedBytes,
            Qt::QueuedConnection);
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::OnPortError);
    connect(&deviceCheck_, &QTimer::timeout, this, &QtSerialPort::CheckDevice);
}

QtSerialPort::~QtSerialPort() {
    CloseDevice();
}

bool QtSerialPort::SetCommPort(int port) {
    if (port < 1 || port > HighestComPort) {
        lastError_ = "COM numbers run from 1 to " + std::to_string(HighestComPort) + ".";
        return false;
    }
    if (IsOpen()) {
        lastError_ = "Close the port before choosing another COM number.";
        return false;
    }
    commPort_ = port;
    lastError_.clear();
    return true;
}

std::string QtSerialPort::Settings() const {
    return SettingsText(settings_);
}

std::string QtSerialPort::SettingsText(const LineSettings& settings) {
    return std::to_string(settings.speed) + "," + settings.parity + "," +
           std::to_string(settings.dataBits) + "," + std::to_string(settings.stopBits);
}

bool QtSerialPort::ParseSettings(std::string_view text, LineSettings& settings,
                                 std::string& error) {
    const std::vector<std::string_view> fields = SplitFields(text);
    if (fields.size() != 4) {
        error = "The line settings \"" + std::string(text) +
                "\" are not speed, parity, data bits and stop bits, such as 9600,N,8,1.";
        return false;
    }
    const std::string_view speed = fields[0], parity = fields[1], data = fields[2],
                           stop = fields[3];
    if (!AllDigits(speed) || speed.size() > 8 || std::stol(std::string(speed)) == 0) {
        error = "The speed \"" + std::string(speed) + "\" is not a baud rate, such as 9600.";
        return false;
    }
    const char letter = parity.size() == 1
                            ? static_cast<char>(std::tolower(static_cast<unsigned char>(parity[0])))
                            : '\0';
    if (letter != 'e' && letter != 'n' && letter != 'o') {
        error = "The parity \"" + std::string(parity) + "\" must be E (even), N (none) or O (odd).";
        return false;
    }
    if (data == "4") {
        error = "4 data bits are not supported by this serial port; choose 5, 6, 7 or 8.";
        return false;
    }
    if (data.size() != 1 || data[0] < '5' || data[0] > '8') {
        error = "The data bits \"" + std::string(data) + "\" must be 5, 6, 7 or 8.";
        return false;
    }
    if (stop != "1" && stop != "2") {
        error = "The stop bits \"" + std::string(stop) + "\" must be 1 or 2.";
        return false;
    }
    settings = {static_cast<qint32>(std::stol(std::string(speed))), letter, data[0] - '0',
                stop[0] - '0'};
    return true;
}

bool QtSerialPort::SetSettings(const std::string& text) {
    LineSettings parsed;
    if (!ParseSettings(text, parsed, lastError_))
        return false;
    if (IsOpen() && !ApplySettings(parsed)) {
        const std::string refusal = lastError_;
        ApplySettings(settings_);
        lastError_ = refusal;
        return false;
    }
    settings_ = parsed;
    lastError_.clear();
    return true;
}

bool QtSerialPort::ApplySettings(const LineSettings& settings) {
    QString refusal;
    const auto apply = [&](bool applied) {
        if (!applied && refusal.isEmpty())
            refusal = port_.errorString();
        port_.clearError();
    };
    apply(port_.setBaudRate(settings.speed));
    apply(port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)));
    apply(port_.setParity(ToQtParity(settings.parity)));
    apply(port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop));
    apply(port_.setFlowControl(QSerialPort::NoFlowControl));
    // Setting the parity clears the marking of breaks; it is set again after every change.
    EnableLineMarks();
    // A pseudo-terminal (the simulated test set) has no line: it keeps 8 data bits and no
    // parity whatever is asked, and nothing on it depends on them.
    if (refusal.isEmpty() || pseudoTerminal_)
        return true;
    lastError_ = devicePath_ + " (" + ComText(commPort_) + ") refused the line settings " +
                 SettingsText(settings) + ": " + refusal.toStdString() + ".";
    return false;
}

void QtSerialPort::EnableLineMarks() {
#ifdef Q_OS_UNIX
    const int fd = static_cast<int>(port_.handle());
    termios attributes{};
    if (::tcgetattr(fd, &attributes) == 0) {
        attributes.c_iflag |= PARMRK;
        attributes.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | ISTRIP);
        ::tcsetattr(fd, TCSANOW, &attributes);
    }
    // Decode only what the terminal really marks.
    lineMarks_ = ::tcgetattr(fd, &attributes) == 0 && (attributes.c_iflag & PARMRK) != 0;
#endif
}

bool QtSerialPort::Open() {
    if (IsOpen()) {
        lastError_.clear();
        return true;
    }
    const ComPortMapping mapping = ResolveComPort(commPort_);
    if (mapping.source == ComPortSource::None) {
        lastError_ = ComText(commPort_) + " is not mapped to a device. " + MappingHint(commPort_);
        return false;
    }
    devicePath_ = mapping.devicePath;
    port_.setPortName(QString::fromStdString(devicePath_));
    if (!port_.open(QIODevice::ReadOnly)) {
        lastError_ = OpenFailureText(port_, devicePath_, commPort_);
        port_.clearError();
        return false;
    }
    pseudoTerminal_ = IsPseudoTerminal(devicePath_);
    if (!ApplySettings(settings_)) {
        CloseDevice();
        return false;
    }
    ApplyRts();
    // Bytes that came while the line was being set up may have been taken at another speed
    // or before breaks were marked.
    port_.clear(QSerialPort::Input);
    received_.clear();
    readPosition_ = 0;
    decoder_.Reset();
    readErrorBurst_ = 0;
    lossPending_ = false;
#ifdef Q_OS_UNIX
    deviceCheck_.start();
#endif
    lastError_.clear();
    return true;
}

void QtSerialPort::Close() {
    CloseDevice();
}

void QtSerialPort::CloseDevice() {
    deviceCheck_.stop();
    lossPending_ = false;
    if (port_.isOpen()) {
        // Restoring the line of a vanished device fails; that is no news to anyone.
        const QSignalBlocker quiet(port_);
        port_.close();
    }
    port_.clearError();
    received_.clear();
    readPosition_ = 0;
    decoder_.Reset();
    lineMarks_ = false;
}

void QtSerialPort::SetRts(bool on) {
    rts_ = on;
    if (IsOpen())
        ApplyRts();
}

void QtSerialPort::ApplyRts() {
    // A pseudo-terminal has no modem lines; that must neither fail the open nor drop the link.
    if (!port_.setRequestToSend(rts_))
        port_.clearError();
}

void QtSerialPort::DiscardInput() {
    if (IsOpen())
        port_.clear(QSerialPort::Input);
    received_.clear();
    readPosition_ = 0;
    decoder_.Reset();
}

std::string QtSerialPort::Read(std::size_t count) {
    const std::size_t waiting = InBufferCount();
    const std::size_t taken = count == 0 ? waiting : std::min(count, waiting);
    std::string bytes = received_.substr(readPosition_, taken);
    readPosition_ += taken;
    // Byte-wise readers would otherwise move the whole buffer for every byte.
    if (readPosition_ == received_.size() || readPosition_ > received_.size() / 2) {
        received_.erase(0, readPosition_);
        readPosition_ = 0;
    }
    return bytes;
}

void QtSerialPort::TakeArrivedBytes() {
    if (!port_.isOpen())
        return;
    const QByteArray raw = port_.readAll();
    if (raw.isEmpty())
        return;
    readErrorBurst_ = 0;
    const std::size_t before = InBufferCount();
    int breaks = 0;
    if (lineMarks_)
        breaks = decoder_.Decode(std::string_view(raw.constData(), raw.size()), received_);
    else
        received_.append(raw.constData(), static_cast<std::size_t>(raw.size()));
    if (InBufferCount() > before)
        emit readyRead();
    if (breaks > 0)
        emit breakReceived();
}

void QtSerialPort::OnPortError(QSerialPort::SerialPortError error) {
    if (!port_.isOpen() || lossPending_)
        return;
    if (error == QSerialPort::ResourceError) {
        LoseLink(QStringLiteral("went away"));
    } else if (error == QSerialPort::ReadError) {
        if (DeviceHungUp())
            LoseLink(QStringLiteral("was hung up"));
        else if (++readErrorBurst_ >= ReadErrorBurstLimit)
            LoseLink(QStringLiteral("keeps failing to read"));
    }
}

void QtSerialPort::CheckDevice() {
    if (!port_.isOpen() || lossPending_)
        return;
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(devicePath_.c_str(), &status) != 0) {
        LoseLink(QStringLiteral("is gone"));
        return;
    }
#endif
    // Newer Qt versions read a hung-up terminal's end-of-file silently; it shows here.
    if (DeviceHungUp())
        LoseLink(QStringLiteral("was hung up"));
}

bool QtSerialPort::DeviceHungUp() const {
#ifdef Q_OS_UNIX
    pollfd device{static_cast<int>(port_.handle()), 0, 0};
    return ::poll(&device, 1, 0) > 0 && (device.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return false;
#endif
}

void QtSerialPort::LoseLink(const QString& what) {
    if (lossPending_)
        return;
    lossPending_ = true;
    lossReason_ = QStringLiteral("The serial device %1 (%2) %3.")
                      .arg(QString::fromStdString(devicePath_),
                           QString::fromStdString(ComText(commPort_)), what);
    // Closed outside the port's own notification, which must not delete its notifier.
    QMetaObject::invokeMethod(this, &QtSerialPort::FinishLinkLoss, Qt::QueuedConnection);
}

void QtSerialPort::FinishLinkLoss() {
    if (!lossPending_)
        return;
    // What arrived before the loss is still handed over.
    TakeArrivedBytes();
    if (!lossPending_)
        return;
    const QString reason = lossReason_;
    CloseDevice();
    emit linkLost(reason);
}

} // namespace orvane
