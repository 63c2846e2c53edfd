// The line reader behind the event lists: what the settings window and the Do Now dialog show of
// the event registry file. It reads the file as text, not as a profile, so a hand-edited file
// may list names that a keyed lookup does not find.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// One entry per line, in file order: the text before the line's first "=", or an empty entry for
// a line without one (a blank line, a comment, another section's header, a header in other
// letters). Only the exact line "[EVENTCONFIG]" is skipped. CR LF and a lone LF end a line; a last
// line without one still counts; lines may be of any length; nothing is trimmed. Never throws on
// content.
std::vector<std::string> ReadEventNames(std::string_view text);
