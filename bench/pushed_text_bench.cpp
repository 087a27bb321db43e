// Speed of the pushed-text capture: a Tarn/TarnX screen arriving in small chunks, each
// cleaned and appended to the record and the text view inside one receive event.

#include "bench_port.h"
#include "output/stamps.h"
#include "serial/pushed_text_capture.h"
#include "serial/pushed_text_cleaning.h"
#include "workspace/disk_file_system.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <utility>

namespace orvane {
namespace {

constexpr std::size_t ChunkSize = 64; // what a 9600 baud line delivers in about 70 ms

class SilentDialogs final : public Dialogs {
  public:
    void Message(std::string_view) override {}
    bool Confirm(std::string_view) override { return true; }
};

// The link stays up throughout.
class EndlessCapture final : public LinkCapture {
  public:
    void EndCapture() override {}
};

// One screen of the test set: set-up sequence, then 25 lines of 78 characters.
std::string Screen() {
    std::string screen = "\x1bR\x01\x1b\x32\x0f";
    for (int line = 0; line < 25; ++line)
        screen += std::string(78, static_cast<char>('A' + line % 26)) + "\r\n";
    return screen;
}

void BM_CleanPushedText(benchmark::State& state) {
    const std::string screen = Screen();
    for (auto _ : state)
        benchmark::DoNotOptimize(CleanPushedText(screen));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * screen.size()));
}
BENCHMARK(BM_CleanPushedText);

void BM_CaptureScreenInChunks(benchmark::State& state) {
    const std::string screen = Screen();
    DiskFileSystem files;
    SystemClock clock;
    SilentDialogs dialogs;
    Services services{files, clock, dialogs,
                      (std::filesystem::temp_directory_path() / "orvane-bench-none").string()};
    BenchPort port;
    EndlessCapture link;
    for (auto _ : state) {
        state.PauseTiming();
        Workspace ws;
        ResetWorkspace(ws);
        ws.TargetDir = "TARN";
        ws.TarnMode = true;
        ws.Connected = true;
        WindowState win;
        PushedTextState capture;
        capture.TickCount = 100;
        state.ResumeTiming();
        for (std::size_t at = 0; at < screen.size(); at += ChunkSize) {
            port.incoming = screen.substr(at, ChunkSize);
            MSComm1_OnComm(capture, ws, win, services, port, link, CommEventReceive);
        }
        benchmark::DoNotOptimize(ws.RecordText[1][1].size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * screen.size()));
}
BENCHMARK(BM_CaptureScreenInChunks);

} // namespace
} // namespace orvane
