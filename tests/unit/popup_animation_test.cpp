#include "character/popup_animation.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// What the popup asked of its window; it outlives the popup.
struct HostRecord {
    std::map<int, int> timers;  // running timers: id -> period
    std::vector<PopupFrame> moves;
    std::vector<int> alphas;
    int repaints = 0;
    int leaveRequests = 0;
    bool destroyed = false;
};

// Behaves like the popup's window: the animation lives inside it, and destroying the window
// deletes the whole popup at once, as it does when closed from outside its own handlers. Anything
// the animation touches after that is a use after free, which the sanitizer reports.
class SelfDeletingPopup : public PopupHost {
public:
    explicit SelfDeletingPopup(HostRecord& record) : m_record(record) {}
    PopupAnimation animation{*this};

    void StartTimer(int id, int periodMs) override { m_record.timers[id] = periodMs; }
    void StopTimer(int id) override { m_record.timers.erase(id); }
    void MoveTo(const PopupFrame& frame) override { m_record.moves.push_back(frame); }
    void SetAlpha(int alpha) override { m_record.alphas.push_back(alpha); }
    void RepaintNow() override { ++m_record.repaints; }
    void TrackMouseLeave() override { ++m_record.leaveRequests; }
    void Destroy() override {
        m_record.destroyed = true;
        m_record.timers.clear();  // a window's timers go with it
        delete this;
    }

private:
    HostRecord& m_record;
};

// The reminder's popup: fade, 3000 ms each way, shown 3000 ms, alpha 232, 400 x 46 at (1024, 748).
PopupSettings ReminderSettings(int kind = kPopupFade) {
    PopupSettings s;
    s.kind = kind;
    s.showDelay = 3000;
    s.animateDelay = 3000;
    s.transparency = 232;
    s.width = 400;
    s.height = 46;
    s.anchor = {1024, 748};
    return s;
}

class PopupAnimationTest : public testing::Test {
protected:
    ~PopupAnimationTest() override {
        if (!host.destroyed) {
            delete m_window;
        }
    }
    void Open(PopupSettings settings) {
        popup.settings = settings;
        popup.WindowCreated();
        ASSERT_TRUE(popup.Open());
    }
    // Runs the given timer until it stops or the popup is gone; returns how many ticks it took.
    int RunTimer(int id, int limit = 10000) {
        int ticks = 0;
        while (!host.destroyed && host.timers.count(id) && ticks < limit) {
            popup.OnTimer(id);
            ++ticks;
        }
        return ticks;
    }

    HostRecord host;
    SelfDeletingPopup* m_window = new SelfDeletingPopup(host);
    PopupAnimation& popup = m_window->animation;  // gone once host.destroyed
};

const PopupFrame kFull{624, 702, 1024, 748, 232};

TEST_F(PopupAnimationTest, FadesInOver187StepsLandingExactlyOnTheTarget) {
    Open(ReminderSettings());
    EXPECT_EQ(popup.State(), PopupState::Expanding);
    EXPECT_EQ(host.timers.at(PopupExpandTimer), 16);
    ASSERT_FALSE(host.moves.empty());
    EXPECT_EQ(host.moves.front(), (PopupFrame{624, 702, 1024, 748, 0})) << "starts see-through";
    EXPECT_EQ(host.alphas.front(), 0);

    EXPECT_EQ(RunTimer(PopupExpandTimer), 187);
    EXPECT_EQ(host.moves.back(), kFull);
    EXPECT_EQ(host.alphas.back(), 232);
    // The alpha only rises, and each value is handed over once.
    for (std::size_t i = 1; i < host.alphas.size(); ++i) {
        EXPECT_GT(host.alphas[i], host.alphas[i - 1]);
    }
    EXPECT_EQ(popup.State(), PopupState::Shown);
    EXPECT_EQ(host.timers.at(PopupShowTimer), 3000);
}

TEST_F(PopupAnimationTest, ShowsThenFadesOutAndIsDestroyed) {
    Open(ReminderSettings());
    RunTimer(PopupExpandTimer);
    popup.OnTimer(PopupShowTimer);
    EXPECT_EQ(popup.State(), PopupState::Collapsing);
    EXPECT_FALSE(host.timers.count(PopupShowTimer));
    EXPECT_EQ(RunTimer(PopupCollapseTimer), 187);
    EXPECT_EQ(host.moves.back(), (PopupFrame{624, 702, 1024, 748, 0}));
    EXPECT_TRUE(host.destroyed);
}

TEST_F(PopupAnimationTest, HoveringKeepsItOpaqueAndShownUntilTheMouseLeaves) {
    Open(ReminderSettings());
    RunTimer(PopupExpandTimer);
    popup.OnMouseMove(true);
    EXPECT_EQ(host.alphas.back(), 255);
    EXPECT_EQ(host.leaveRequests, 1);
    popup.OnMouseMove(true);
    EXPECT_EQ(host.leaveRequests, 1) << "asked once per visit";
    for (int i = 0; i < 5; ++i) {
        popup.OnTimer(PopupShowTimer);
        EXPECT_EQ(popup.State(), PopupState::Shown);
        EXPECT_TRUE(host.timers.count(PopupShowTimer)) << "the timer stays and ticks again";
    }
    popup.OnMouseMove(false);
    EXPECT_EQ(host.alphas.back(), 232);
    popup.OnTimer(PopupShowTimer);
    EXPECT_EQ(popup.State(), PopupState::Collapsing);
}

TEST_F(PopupAnimationTest, AMouseMoveDuringTheFadeOutBringsItBackForAFullShownPeriod) {
    Open(ReminderSettings());
    RunTimer(PopupExpandTimer);
    popup.OnTimer(PopupShowTimer);
    for (int i = 0; i < 50; ++i) {
        popup.OnTimer(PopupCollapseTimer);
    }
    popup.OnMouseMove(true);
    EXPECT_EQ(popup.State(), PopupState::Shown);
    EXPECT_FALSE(host.timers.count(PopupCollapseTimer));
    EXPECT_EQ(host.timers.at(PopupShowTimer), 3000);
    EXPECT_EQ(popup.Current(), kFull);
    EXPECT_EQ(host.alphas.back(), 255);
}

TEST_F(PopupAnimationTest, APressDuringTheFadeInCompletesItAndLaterPressesDoNothing) {
    Open(ReminderSettings());
    popup.OnTimer(PopupExpandTimer);
    popup.OnLeftButtonDown();
    EXPECT_EQ(popup.State(), PopupState::Shown);
    EXPECT_EQ(host.moves.back(), kFull);
    EXPECT_EQ(host.alphas.back(), 232);
    EXPECT_FALSE(host.timers.count(PopupExpandTimer));
    std::size_t moves = host.moves.size();
    popup.OnLeftButtonDown();
    EXPECT_EQ(host.moves.size(), moves);
    EXPECT_EQ(popup.State(), PopupState::Shown);
}

TEST_F(PopupAnimationTest, OpensOnlyWhenClosed) {
    Open(ReminderSettings());
    EXPECT_FALSE(popup.Open());
    EXPECT_EQ(popup.State(), PopupState::Expanding);
}

// Closed from outside (a program exit, a caller's Close) in every state: the window goes at once
// and takes the popup with it; nothing of the popup is touched afterwards.
class PopupClosedFromOutsideTest : public PopupAnimationTest,
                                   public testing::WithParamInterface<PopupState> {};

TEST_P(PopupClosedFromOutsideTest, DestroysAtOnceAndTouchesNothingAfterwards) {
    Open(ReminderSettings());
    RunTimer(PopupExpandTimer, GetParam() == PopupState::Expanding ? 20 : 10000);
    popup.OnMouseMove(true);
    popup.OnMouseMove(false);
    if (GetParam() == PopupState::Collapsing) {
        popup.OnTimer(PopupShowTimer);
        RunTimer(PopupCollapseTimer, 20);
    }
    ASSERT_EQ(popup.State(), GetParam());
    const std::size_t moves = host.moves.size();
    popup.Close();
    EXPECT_TRUE(host.destroyed);
    EXPECT_TRUE(host.timers.empty());
    EXPECT_EQ(host.moves.size(), moves) << "no last step after the close";
}

INSTANTIATE_TEST_SUITE_P(States, PopupClosedFromOutsideTest,
                         testing::Values(PopupState::Expanding, PopupState::Shown,
                                         PopupState::Collapsing),
                         [](const auto& info) {
                             switch (info.param) {
                                 case PopupState::Expanding:
                                     return std::string("Expanding");
                                 case PopupState::Shown:
                                     return std::string("Shown");
                                 default:
                                     return std::string("Collapsing");
                             }
                         });

struct KindCase {
    const char* name;
    int kind;
    PopupFrame folded;
};

class PopupKindTest : public PopupAnimationTest, public testing::WithParamInterface<KindCase> {};

TEST_P(PopupKindTest, ExpandsFromAndCollapsesToItsFoldedFrame) {
    Open(ReminderSettings(GetParam().kind));
    EXPECT_EQ(host.moves.front(), GetParam().folded);
    RunTimer(PopupExpandTimer);
    EXPECT_EQ(host.moves.back(), kFull);
    popup.OnTimer(PopupShowTimer);
    RunTimer(PopupCollapseTimer);
    EXPECT_EQ(host.moves.back(), GetParam().folded);
    EXPECT_TRUE(host.destroyed);
}

INSTANTIATE_TEST_SUITE_P(Kinds, PopupKindTest,
                         testing::Values(KindCase{"fade", kPopupFade, {624, 702, 1024, 748, 0}},
                                         KindCase{"slide", kPopupSlide, {624, 748, 1024, 748, 232}},
                                         KindCase{
                                             "unfold", kPopupUnfold, {1024, 748, 1024, 748, 232}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PopupAnimationTest, ASlideInterruptedWhileCollapsingResumesWithTheStepsItTook) {
    Open(ReminderSettings(kPopupSlide));
    RunTimer(PopupExpandTimer);
    popup.OnTimer(PopupShowTimer);
    for (int i = 0; i < 40; ++i) {
        popup.OnTimer(PopupCollapseTimer);
    }
    EXPECT_EQ(popup.StepsLeft(), 147);
    PopupFrame partway = popup.Current();
    popup.OnMouseMove(true);
    EXPECT_EQ(popup.State(), PopupState::Expanding);
    EXPECT_EQ(popup.StepsLeft(), 40);
    EXPECT_EQ(host.moves.back(), partway) << "resumes from where it is";
    EXPECT_EQ(RunTimer(PopupExpandTimer), 40);
    EXPECT_EQ(popup.Current(), kFull);
}

TEST_F(PopupAnimationTest, WithoutAnimationItShowsAndClosesAtOnce) {
    PopupSettings s = ReminderSettings(kPopupNoAnimation);
    Open(s);
    EXPECT_EQ(popup.State(), PopupState::Shown);
    EXPECT_EQ(host.moves.back(), kFull);
    popup.OnTimer(PopupShowTimer);
    EXPECT_TRUE(host.destroyed);
}

TEST_F(PopupAnimationTest, AlphaOver255IsOpaqueAndRepeatsAreNotHandedOver) {
    PopupSettings s = ReminderSettings(kPopupNoAnimation);
    s.transparency = 300;
    Open(s);
    EXPECT_TRUE(host.alphas.empty()) << "255 was already applied when the window was made";
}

TEST(HitTestItems, TheLastItemContainingThePointWins) {
    // The reminder popup's message, title and close items.
    std::vector<Rect> items = {{8, 25, 392, 40}, {8, 10, 392, 40}, {380, 10, 396, 26}};
    EXPECT_EQ(HitTestItems(items, {50, 30}), 1) << "the title covers the message";
    EXPECT_EQ(HitTestItems(items, {385, 15}), 2);
    EXPECT_EQ(HitTestItems(items, {4, 4}), -1);
    EXPECT_EQ(HitTestItems(items, {-1, -1}), -1);
    EXPECT_EQ(HitTestItems(items, {392, 30}), -1) << "right edge excluded";
}

TEST(GripperDots, NineDotsFourApartCentredButNeverBeforeTwo) {
    EXPECT_EQ(GripperDotPositions(398),
              (std::vector<int>{181, 185, 189, 193, 197, 201, 205, 209, 213}));
    EXPECT_EQ(GripperDotPositions(20).front(), 2);
}

}  // namespace
