// What an event runs follows from its stored path: the last four characters, compared exactly.
#pragma once

#include <string_view>

enum class EventKind {
    None,     // runs nothing
    Program,  // ".exe": started with the shell
    Study,    // ".sty": a mouse recording, replayed
};

// ".exe" is a program and ".sty" a recording, in exactly these small letters; any other path,
// ".EXE" and one shorter than four characters among them, runs nothing.
EventKind EventKindOf(std::string_view path);
