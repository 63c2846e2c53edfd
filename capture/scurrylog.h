// Scurrylog.dll, the capture library: the program loads it by its full path while a mouse macro
// is being recorded and binds these two exports by their plain names.
//
// InstallMouseHook  starts capturing: a low-level mouse hook for the whole desktop, called on the
//                   calling thread, which must keep retrieving messages while it is installed.
//                   Returns the hook (null on failure, and then nothing is captured).
// EndMouseHook      stops capturing and writes every action captured since the library was
//                   loaded to "study.tmp" beside the host program's file, in place: a longer
//                   earlier file keeps its tail. The actions stay in memory until the library
//                   is unloaded. Returns TRUE only when the whole recording was written and
//                   the file closed; FALSE when it could not be opened, a write failed or fell
//                   short, or the actions could not be laid out.
#pragma once

#include <windows.h>

using InstallMouseHookFunction = HHOOK (*)();
using EndMouseHookFunction = BOOL (*)();

inline constexpr char kInstallMouseHookName[] = "InstallMouseHook";
inline constexpr char kEndMouseHookName[] = "EndMouseHook";
