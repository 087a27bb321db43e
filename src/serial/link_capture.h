#pragma once
// Whatever captures from the link: the pushed text of Tarn/TarnX sets or the printer-stream
// acquisition of Vesk/VeskM and Oru/Oru-c sets.

namespace orvane {

class LinkCapture {
  public:
    virtual ~LinkCapture() = default;
    // The link ends, or its workspace is about to be reloaded: what has arrived goes into its
    // record now (text held back, a picture cut short), and nothing more is captured until a
    // Connect starts a fresh run.
    virtual void EndCapture() = 0;
};

} // namespace orvane
