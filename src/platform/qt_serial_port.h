#pragma once
// The serial port on QSerialPort. It opens the device behind the COM number (com_ports.h)
// read-only, keeps what arrives in its own receive buffer and tells the window through
// signals: readyRead when bytes are waiting, breakReceived for a break on the line, and
// linkLost, once, when the device goes away under an open port (the port is then closed).

#include "serial/serial_port.h"

#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QTimer>

#include <string>
#include <string_view>

namespace orvane {

// Undoes the kernel's marking of received bytes (termios PARMRK), with which a break can be
// told from data: FF FF is the data byte FF, FF 00 00 is a break, FF 00 x is a byte x that
// arrived with a parity or framing error (dropped: a damaged byte is no data).
class LineMarkDecoder {
  public:
    // Appends the data of `raw` to `out` and returns the number of breaks in it. A mark cut
    // off at the end of `raw` is completed by the next call.
    int Decode(std::string_view raw, std::string& out);
    void Reset() { state_ = State::Data; }

  private:
    enum class State { Data, AfterMark, AfterMarkZero };
    State state_ = State::Data;
};

class QtSerialPort final : public QObject, public SerialPort {
    Q_OBJECT

  public:
    explicit QtSerialPort(QObject* parent = nullptr);
    ~QtSerialPort() override;

    int CommPort() const override { return commPort_; }
    // Refused below 1, above 255 and while the port is open.
    bool SetCommPort(int port) override;

    std::string Settings() const override;
    // "speed,parity,data,stop": parity E, N or O in either case, data bits 5 to 8, stop
    // bits 1 or 2. Applied at once to an open port, else kept for the next Open.
    bool SetSettings(const std::string& settings) override;

    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return port_.isOpen(); }
    std::string LastError() const override { return lastError_; }

    void SetRts(bool on) override;
    // Both modes deliver the raw bytes; the mode is kept for whoever asks.
    void SetInputMode(InputMode mode) override { inputMode_ = mode; }
    InputMode CurrentInputMode() const { return inputMode_; }

    std::size_t InBufferCount() const override { return received_.size() - readPosition_; }
    void DiscardInput() override;
    std::string Read(std::size_t count = 0) override;

    // The device the port opens, or last opened.
    const std::string& DevicePath() const { return devicePath_; }

  signals:
    void readyRead();
    void breakReceived();
    void linkLost(const QString& reason);

  private:
    struct LineSettings {
        qint32 speed = 9600;
        char parity = 'n';
        int dataBits = 8;
        int stopBits = 1;
    };

    static std::string SettingsText(const LineSettings& settings);
    static bool ParseSettings(std::string_view text, LineSettings& settings, std::string& error);
    bool ApplySettings(const LineSettings& settings);
    void ApplyRts();
    void EnableLineMarks();

    void TakeArrivedBytes();
    void OnPortError(QSerialPort::SerialPortError error);
    void CheckDevice();
    bool DeviceHungUp() const;
    void LoseLink(const QString& reason);
    void FinishLinkLoss();
    void CloseDevice();

    QSerialPort port_{this};
    QTimer deviceCheck_{this};
    int commPort_ = 1;
    LineSettings settings_;
    bool rts_ = false;
    InputMode inputMode_ = InputMode::Text;
    std::string devicePath_;
    bool pseudoTerminal_ = false;
    std::string lastError_;

    std::string received_;
    std::size_t readPosition_ = 0; // bytes of received_ already read
    LineMarkDecoder decoder_;
    bool lineMarks_ = false;
    int readErrorBurst_ = 0;
    bool lossPending_ = false;
    QString lossReason_;
};

} // namespace orvane
