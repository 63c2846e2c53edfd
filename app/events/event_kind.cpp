#include "events/event_kind.h"

EventKind EventKindOf(std::string_view path) {
    if (path.ends_with(".exe")) {
        return EventKind::Program;
    }
    if (path.ends_with(".sty")) {
        return EventKind::Study;
    }
    return EventKind::None;
}
