// Timers as a window keeps them, seen from plain logic: an id started with a period (a running
// one starts its period afresh) and stopped again. Native tests drive the logic with a fake.
#pragma once

class TimerHost {
public:
    virtual void StartTimer(int id, unsigned periodMs) = 0;
    virtual void StopTimer(int id) = 0;

protected:
    ~TimerHost() = default;
};
