// The name that makes one running copy per installation: derived from the folder the program runs
// from, so a copy in another folder (another installation, with files of its own) has another.
#pragma once

#include <string>
#include <string_view>

// "Local\Whiskertime-" and 16 hex digits of the folder's hash, its letters compared without
// case as Windows compares paths: "C:\Tools\" and "c:\tools\" are one installation. `suffix`
// names a second object of the same installation.
std::string InstanceObjectName(std::string_view appDirectory, std::string_view suffix = "");
