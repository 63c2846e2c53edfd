// The reminder popup's life as plain logic: its states, its fade/slide/unfold arithmetic, its
// timers and its response to the mouse. The window side (PopupHost) only carries out what this
// asks for, so the whole behaviour is tested natively.
#pragma once

#include <vector>

#include "ui/geometry.h"

enum class PopupState { Closed, Expanding, Shown, Collapsing };

// Animation kinds, as numbered by the popup's settings.
inline constexpr int kPopupNoAnimation = 0;
inline constexpr int kPopupFade = 1;
inline constexpr int kPopupSlide = 2;
inline constexpr int kPopupUnfold = 3;

// Timer ids of the popup's own window.
inline constexpr int PopupExpandTimer = 296;
inline constexpr int PopupCollapseTimer = 297;
inline constexpr int PopupShowTimer = 304;

// A rectangle in screen coordinates and an alpha (0 see-through, 255 opaque).
struct PopupFrame {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int alpha = 255;
    bool operator==(const PopupFrame&) const = default;
};

struct PopupSettings {
    int kind = kPopupNoAnimation;
    int width = 170;
    int height = 130;
    Point anchor{0, 0};  // the popup's bottom-right corner
    int transparency = 255;
    int showDelay = 5000;    // ms
    int animateDelay = 256;  // ms
    int stepTime = 16;       // ms
};

// What the window does for the animation.
class PopupHost {
public:
    virtual ~PopupHost() = default;
    virtual void StartTimer(int id, int periodMs) = 0;
    virtual void StopTimer(int id) = 0;
    // Moves and sizes the window to the frame's rectangle, shows it, and invalidates it.
    virtual void MoveTo(const PopupFrame& frame) = 0;
    // Hands a new alpha to the platform (only called when it changes).
    virtual void SetAlpha(int alpha) = 0;
    virtual void RepaintNow() = 0;
    // Asks for a leave message when the mouse goes.
    virtual void TrackMouseLeave() = 0;
    // Destroys the window; the host may delete itself (and the animation it holds) before this
    // returns.
    virtual void Destroy() = 0;
};

class PopupAnimation {
public:
    explicit PopupAnimation(PopupHost& host) : m_host(host) {}

    PopupSettings settings;

    // After the window is created: the platform's alpha is 255, nothing runs.
    void WindowCreated();
    // Starts expanding; false when the popup is not closed.
    bool Open();
    // Destroys the window at once. The host may delete itself, and this animation with it, as
    // the window goes: nothing here is touched after the host's Destroy, and the caller must not
    // touch the animation after Close either.
    void Close();

    void OnTimer(int id);
    // A mouse move (or its leaving, with `over` false). `over`: the point is in the client area
    // or an item is pressed.
    void OnMouseMove(bool over);
    // A press anywhere on the popup finishes a fade-in at once.
    void OnLeftButtonDown();

    PopupState State() const { return m_state; }
    const PopupFrame& Current() const { return m_current; }
    const PopupFrame& Target() const { return m_target; }
    int StepsLeft() const { return m_stepsLeft; }
    bool Hovered() const { return m_hovered; }
    int AppliedAlpha() const { return m_appliedAlpha; }

    // The popup fully shown: its whole rectangle at the anchor, alpha = transparency.
    PopupFrame FullFrame() const;

private:
    void StartExpanding(bool resume);
    void StartCollapsing();
    void EnterShown();
    void Step(int timerId);
    void Apply();
    void ApplyAlpha(int alpha);
    int StepCount() const;
    // The far end of an animation of this kind: where expanding starts and collapsing ends.
    PopupFrame FoldedFrame() const;

    PopupHost& m_host;
    PopupState m_state = PopupState::Closed;
    PopupFrame m_current;
    PopupFrame m_target;
    int m_stepsLeft = 0;
    bool m_hovered = false;
    int m_appliedAlpha = 255;
};

// The item under a point: the last item whose rectangle holds it (later items lie on top), or -1.
int HitTestItems(const std::vector<Rect>& items, Point point);

// The nine gripper dots of the popup's caption strip: the left edge of each, for a strip of the
// given inner width.
std::vector<int> GripperDotPositions(int innerWidth);
