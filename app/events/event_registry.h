// The event registry: "eventconfig.ini" beside the program, section "EVENTCONFIG", one line
// name=path per event. It keeps nothing in memory; every operation goes to the file at
// EventConfigPath. Called on the UI thread only. A missing file lists nothing and finds nothing;
// a failed write changes nothing and is reported by the writers' results, for the caller to tell
// the user.
#pragma once

#include <windows.h>

#include <string>

namespace EventRegistry {

// Appends one entry per line of the file to `listBox`, in file order, as the line reader sees
// it (event_list_reader.h): a hand-edited file may show names that LookupEventPath cannot find.
void ListEventNames(HWND listBox);

// The path stored for `name` (letter case ignored, the first matching line of the section);
// empty when there is none. An empty name is never found.
std::string LookupEventPath(const std::string& name);

// Stores `path` under `name`: replaces the path of an existing line of that name (in any letter
// case) in place, otherwise appends a line at the end of the section, creating the file and the
// section when they are missing. An empty name is never stored (and is no failure). False when the
// file could not be written.
bool StoreEvent(const std::string& name, const std::string& path);

// Removes the line of `name`; the section header stays, also when the section becomes empty.
// False when the file could not be written.
bool RemoveEvent(const std::string& name);

}  // namespace EventRegistry
