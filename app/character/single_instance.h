// One running copy per installation. The first copy holds a named mutex and publishes its
// character window in a small named mapping; a later start of the same installation finds both,
// has the first copy's character shown at its place, and ends. The names come from the folder, so
// a copy in another folder runs alongside with its own files.
#pragma once

#include <windows.h>

#include <string>

#include "ui/handles.h"

class SingleInstance {
public:
    explicit SingleInstance(const std::string& appDirectory);

    // Whether this process is the installation's first running copy.
    bool IsFirst() const { return m_first; }

    // The first copy: its character, for later starts to find.
    void Publish(HWND character);

    // A later copy: posts the given menu command ("show mouse", "exit") to the first copy's
    // character, waiting up to `timeoutMs` for it to be published. False when none was found.
    bool PostToFirst(UINT command, DWORD timeoutMs) const;

    // The first copy's process, to wait for; null when it cannot be opened.
    UniqueHandle OpenFirstProcess() const;

private:
    HWND FindFirst(DWORD timeoutMs) const;

    std::string m_windowName;
    UniqueHandle m_mutex;
    UniqueHandle m_window;  // the mapping that holds the character's handle
    bool m_first = false;
};
