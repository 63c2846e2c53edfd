// Which names an event may be stored under. The registry is an INI section of name=path lines and
// a study event's recording is a file named after it, so some names could never work: they are
// refused before anything is written.
#pragma once

#include <string_view>

inline constexpr char kNameClashMessage[] = "Name Clash Please Over Again Input Name";

// Who stores the name: the recorder (a study event) or "Add Program Event".
enum class EventNameUse { Study, Program };

// Whether `name` may be stored. `storedPath` is what the registry holds under that name in any
// letter case (empty when nothing). Refused:
// - an empty name;
// - a name holding "=", a character that no file name may hold (\ / : * ? " < > |), a control
//   character, or "..";
// - a leading "[" or ";" (a section header or a comment in the INI file);
// - leading or trailing blanks;
// - a device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9), in any letter case, with or without
//   an extension;
// - for a study event, any name the registry holds already; for a program event, the name of a
//   study event, whose recording would be orphaned. A program event's own name is free again, so
//   that adding it anew updates its path.
bool IsEventNameAllowed(std::string_view name, EventNameUse use, std::string_view storedPath);
