#include "popup_animation.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <utility>

PopupFrame PopupAnimation::FullFrame() const {
    const Point& a = settings.anchor;
    return {a.x - settings.width, a.y - settings.height, a.x, a.y, settings.transparency};
}

PopupFrame PopupAnimation::FoldedFrame() const {
    const Point& a = settings.anchor;
    switch (settings.kind) {
        case kPopupFade: {
            PopupFrame f = FullFrame();
            f.alpha = 0;
            return f;
        }
        case kPopupSlide:
            return {a.x - settings.width, a.y, a.x, a.y, settings.transparency};
        case kPopupUnfold:
            return {a.x, a.y, a.x, a.y, settings.transparency};
        default:
            return FullFrame();
    }
}

int PopupAnimation::StepCount() const {
    return std::max(1, settings.animateDelay / std::max(1, settings.stepTime));
}

void PopupAnimation::WindowCreated() {
    m_appliedAlpha = 255;
    m_state = PopupState::Closed;
}

bool PopupAnimation::Open() {
    if (m_state != PopupState::Closed) {
        return false;
    }
    StartExpanding(false);
    return true;
}

void PopupAnimation::StartExpanding(bool resume) {
    m_state = PopupState::Expanding;
    m_target = FullFrame();
    if (resume) {
        // Back the way it came: as many steps as the collapse had taken.
        m_stepsLeft = std::max(1, StepCount() - m_stepsLeft);
    } else {
        m_current = FoldedFrame();
        if (settings.kind == kPopupNoAnimation || settings.animateDelay == 0) {
            m_current = m_target;
            Apply();
            EnterShown();
            return;
        }
        m_stepsLeft = StepCount();
    }
    m_host.StartTimer(PopupExpandTimer, settings.stepTime);
    Apply();
}

void PopupAnimation::EnterShown() {
    m_state = PopupState::Shown;
    m_current = FullFrame();
    if (settings.showDelay > 0) {
        m_host.StartTimer(PopupShowTimer, settings.showDelay);
    }
}

void PopupAnimation::StartCollapsing() {
    m_state = PopupState::Collapsing;
    if (settings.kind == kPopupNoAnimation || settings.animateDelay == 0) {
        Close();
        return;
    }
    m_target = FoldedFrame();
    m_stepsLeft = StepCount();
    m_host.StartTimer(PopupCollapseTimer, settings.stepTime);
    Apply();
}

void PopupAnimation::Close() {
    m_hovered = false;
    m_state = PopupState::Closed;
    m_host.Destroy();  // last: the host may delete this animation with itself
}

void PopupAnimation::OnTimer(int id) {
    switch (id) {
        case PopupExpandTimer:
        case PopupCollapseTimer:
            Step(id);
            break;
        case PopupShowTimer:
            if (!m_hovered) {
                m_host.StopTimer(PopupShowTimer);
                StartCollapsing();
            }
            break;
        default:
            break;
    }
}

void PopupAnimation::Step(int timerId) {
    // A tick that outlived its animation (already finished or stopped) changes nothing.
    bool expanding = timerId == PopupExpandTimer && m_state == PopupState::Expanding;
    bool collapsing = timerId == PopupCollapseTimer && m_state == PopupState::Collapsing;
    if (!expanding && !collapsing) {
        m_host.StopTimer(timerId);
        return;
    }
    const int n = std::max(1, m_stepsLeft);
    for (auto [value, target] :
         {std::pair{&m_current.top, m_target.top}, std::pair{&m_current.left, m_target.left},
          std::pair{&m_current.right, m_target.right},
          std::pair{&m_current.bottom, m_target.bottom},
          std::pair{&m_current.alpha, m_target.alpha}}) {
        int difference = target - *value;
        if (difference != 0) {
            int move = std::max(1, std::abs(difference) / n);
            *value += difference > 0 ? move : -move;
        }
    }
    Apply();
    m_stepsLeft = n - 1;
    if (m_stepsLeft > 0) {
        return;
    }
    m_host.StopTimer(timerId);
    if (expanding) {
        EnterShown();
    } else {
        Close();
    }
}

void PopupAnimation::Apply() {
    m_host.MoveTo(m_current);
    if (!m_hovered) {
        ApplyAlpha(m_current.alpha);
    }
    m_host.RepaintNow();
}

void PopupAnimation::ApplyAlpha(int alpha) {
    alpha = std::min(alpha, 255);
    if (alpha == m_appliedAlpha) {
        return;
    }
    m_appliedAlpha = alpha;
    m_host.SetAlpha(alpha);
}

void PopupAnimation::OnMouseMove(bool over) {
    if (over) {
        if (!m_hovered) {
            m_hovered = true;
            ApplyAlpha(255);
            m_host.TrackMouseLeave();
        }
    } else if (m_hovered) {
        m_hovered = false;
        ApplyAlpha(settings.transparency);
    }
    if (m_state == PopupState::Collapsing) {
        m_host.StopTimer(PopupCollapseTimer);
        if (settings.kind == kPopupFade) {
            EnterShown();
        } else {
            StartExpanding(true);
        }
    }
}

void PopupAnimation::OnLeftButtonDown() {
    if (m_state != PopupState::Expanding) {
        return;
    }
    m_current = m_target;
    Apply();
    m_host.StopTimer(PopupExpandTimer);
    EnterShown();
}

int HitTestItems(const std::vector<Rect>& items, Point point) {
    for (int i = static_cast<int>(items.size()) - 1; i >= 0; --i) {
        if (items[static_cast<std::size_t>(i)].Contains(point.x, point.y)) {
            return i;
        }
    }
    return -1;
}

std::vector<int> GripperDotPositions(int innerWidth) {
    std::vector<int> dots;
    int x = std::max(2, (innerWidth - 36) / 2);
    for (int i = 0; i < 9; ++i, x += 4) {
        dots.push_back(x);
    }
    return dots;
}
