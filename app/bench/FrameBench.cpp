// Timings of the diagnostic window's skinned frame under the real window
// system: one full frame paint in each Performance mode, and one capture of
// the screen under the window after it moved (what the shadow is blended
// over), next to one BitBlt of the whole window; and one step of a caption
// drag next to a bare SetWindowPos. Each figure is the best of
// several runs, so that other load on the machine disturbs it little.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>

#include "app/bench/BenchWindow.h"
#include "portio/PortAccess.h"
#include "sim/SimulatedCard.h"

namespace {

using Clock = std::chrono::steady_clock;

double BestUs(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return best;
}

const char* const kModeNames[] = {"ztfpNoBuffer", "ztfpSharedBuffer", "ztfpPersistentBuffer", "ztfpDoubleBuffer"};

}  // namespace

int main() {
    app::bench::RegisterWindowClasses();
    sim::SimulatedCard card(sim::ParseCardConfig("intel64"));
    portio::ScopedPortBackend scope(card);
    std::unique_ptr<app::TDiagForm> form = app::bench::OpenDiagWindow();
    skinui::TSeSkinForm& frame = *form->SeSkinForm1;
    HWND window = form->Handle();
    RECT bounds;
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    std::printf("diagnostic window %d x %d, best of 50 runs each\n", width, height);

    // One BitBlt of the whole window from the screen into a memory bitmap.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const double blit = BestUs(50, [&] {
        BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
        GdiFlush();
    });
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    std::printf("whole-window BitBlt                  %8.1f us\n", blit);

    for (int mode = skinui::ztfpNoBuffer; mode <= skinui::ztfpDoubleBuffer; ++mode) {
        frame.SetPerformance(static_cast<skinui::TSeFormPerformance>(mode));
        frame.PaintFrame();  // the persistent buffer is made on the first paint
        const double us = BestUs(50, [&] { frame.PaintFrame(); });
        std::printf("frame paint   %-22s %8.1f us  (x%.2f of the BitBlt)\n", kModeNames[mode], us, us / blit);
    }

    // The capture after a move of 10 pixels right and down: the window's own
    // pixels must not be taken for the background, so what it covered comes
    // from the last capture and only the newly covered strip from the screen.
    int step = 0;
    const double moved = BestUs(50, [&] {
        const int offset = (step++ % 2) ? 0 : 10;
        const skin::TRect rect{bounds.left + offset, bounds.top + offset, bounds.right + offset,
                               bounds.bottom + offset};
        frame.CaptureBackground(rect);
    });
    // Two places that do not overlap: every capture is taken whole from the screen.
    const double fresh = BestUs(50, [&] {
        const int left = (step++ % 2) ? 0 : width + 10;
        frame.CaptureBackground({left, 0, left + width, height});
    });
    std::printf("background capture, moved 10 px      %8.1f us  (x%.2f of the BitBlt)\n", moved, moved / blit);
    std::printf("background capture, from nothing     %8.1f us  (x%.2f of the BitBlt)\n", fresh, fresh / blit);

    // One step of a full-window drag by the caption (SetFormBounds, the
    // frame's repaint and the background capture under the new place)
    // next to a bare SetWindowPos of the same window by the same distance.
    GetWindowRect(window, &bounds);
    const POINT grip{bounds.left + 120, bounds.top + 15};
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(grip.x, grip.y));
    int dragStep = 0;
    const double dragUs = BestUs(50, [&] {
        const int offset = (dragStep++ % 2) ? 0 : 10;
        SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(grip.x + offset, grip.y + offset));
    });
    SendMessageA(window, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(grip.x, grip.y));
    GetWindowRect(window, &bounds);
    int bareStep = 0;
    const double bareUs = BestUs(50, [&] {
        const int offset = (bareStep++ % 2) ? 0 : 10;
        SetWindowPos(window, nullptr, bounds.left + offset, bounds.top + offset, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    std::printf("bare SetWindowPos by 10 px                %8.1f us\n", bareUs);
    std::printf("caption drag step by 10 px                %8.1f us  (x%.2f of the SetWindowPos)\n", dragUs,
                dragUs / bareUs);

    app::bench::CloseDiagWindow(form);
    return 0;
}
