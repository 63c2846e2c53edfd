// The character window in this process: its drawing paths give back every GDI object and DC
// they take, however often they run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "character/character_window.h"
#include "character_probe.h"
#include "resources/resource.h"
#include "ui/gdi.h"

namespace {

// Drives the clock face and the paint from inside the window's own modal loop, then exits.
class ClockProbe : public CharacterProbe {
public:
    long baseline = -1;
    long highest = -1;
    long afterwards = -1;
    DWORD platformBefore = 0;
    DWORD platformAfter = 0;

protected:
    void Run() override {
        baseline = gdi::LiveCount();
        platformBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        for (int tick = 0; tick < 1000; ++tick) {
            SendMessageA(Handle(), WM_TIMER, ID_TIMER_CLOCK, 0);
            highest = std::max(highest, gdi::LiveCount());
            if (tick % 50 == 0) {
                RedrawWindow(Handle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
                highest = std::max(highest, gdi::LiveCount());
            }
        }
        afterwards = gdi::LiveCount();
        platformAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    }
};

TEST(CharacterWindow, AThousandClockTicksAndPaintsLeaveNoGdiObjectBehind) {
    long before = gdi::LiveCount();
    auto probe = std::make_unique<ClockProbe>();
    probe->DoModal();
    ASSERT_GT(probe->baseline, 0) << "the window holds its artwork";
    EXPECT_EQ(probe->afterwards, probe->baseline);
    EXPECT_EQ(probe->highest, probe->baseline) << "a tick releases all it takes before it returns";
    // Where the platform counts GDI objects too, it agrees.
    std::printf("GDI objects: %ld held by the window; platform count %lu before, %lu after\n",
                probe->baseline, probe->platformBefore, probe->platformAfter);
    if (probe->platformBefore != 0) {
        EXPECT_EQ(probe->platformAfter, probe->platformBefore);
    }
    probe.reset();
    EXPECT_EQ(gdi::LiveCount(), before) << "the window's own bitmaps go with it";
}

}  // namespace
