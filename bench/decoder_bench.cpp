// Decoding speed of the printer stream: a full-page graph of bit-image rows drawn into the
// two pictures, then filed.

#include "output/stamps.h"
#include "serial/screen_loop.h"
#include "workspace/disk_file_system.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <vector>

namespace orvane {
namespace {

constexpr int PictureWidth = 537; // the hidden picture of the window, in pixels
constexpr int PictureHeight = 1000;

class GridSurface final : public PictureSurface {
  public:
    GridSurface() : dots_(static_cast<std::size_t>(PictureWidth * PictureHeight)) {}
    void Clear() override { std::fill(dots_.begin(), dots_.end(), 0); }
    bool LoadPicture(const EncodedImage&) override { return true; }
    void RemovePicture() override {}
    void SetPixel(int x, int y, bool black) override {
        textX_ = x;
        if (x >= 0 && y >= 0 && x < PictureWidth && y < PictureHeight)
            dots_[static_cast<std::size_t>(y * PictureWidth + x)] = black ? 1 : 0;
    }
    void Print(std::string_view text) override { textX_ += 8 * static_cast<int>(text.size()); }
    void NewLine() override { textX_ = 0; }
    EncodedImage Image() const override { return {{}, PictureWidth, PictureHeight}; }

  private:
    std::vector<char> dots_;
    int textX_ = 0;
};

class SilentDialogs final : public Dialogs {
  public:
    void Message(std::string_view) override {}
    bool Confirm(std::string_view) override { return true; }
};

class NullClipboard final : public Clipboard {
  public:
    void Clear() override {}
    void SetText(std::string_view) override {}
    std::string Text() override { return {}; }
    void SetImage(const EncodedImage&) override {}
};

class NullFiler final : public PictureFiler {
  public:
    bool File(const EncodedImage&, const std::string&) override { return true; }
};

// One page: a band of bit-image columns across the whole width per line, then 1B 52.
std::string GraphPage() {
    std::string page;
    for (int band = 0; band < PictureHeight / 8; ++band) {
        page += "\x1B\x4B";
        page += static_cast<char>(PictureWidth % 256);
        page += static_cast<char>(PictureWidth / 256);
        for (int x = 0; x < PictureWidth; ++x)
            page += static_cast<char>((x * 37 + band * 11) & 0xFF);
        page += '\x0A';
    }
    page += "\x1B\x52";
    return page;
}

void BM_DecodeGraphPage(benchmark::State& state) {
    const auto root = std::filesystem::temp_directory_path() / "orvane-decoder-bench";
    std::filesystem::create_directories(root / "VESK");
    DiskFileSystem files;
    SystemClock clock;
    SilentDialogs dialogs;
    Services services{files, clock, dialogs, root.string()};
    Workspace ws;
    ResetWorkspace(ws);
    ws.TargetDir = "VESK";
    ws.VeskMode = true;
    ws.Connected = true;
    WindowState win;
    ProgressDisplay progress;
    GridSurface imgScreen, imgTemp;
    NullClipboard clipboard;
    NullFiler filer;
    ScreenLoop loop{ws, win, services, progress, {imgScreen, imgTemp, clipboard, filer}};

    loop.Start();
    loop.Feed("\x1B\x20\x0F"); // a graph record to draw into
    const std::string page = GraphPage();
    for (auto _ : state) {
        loop.Start(); // back to the top of the picture
        loop.Feed(page);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(page.size()));
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_DecodeGraphPage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvane
