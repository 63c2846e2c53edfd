#include "dialog_driver.h"

#include <commctrl.h>

#include <cstring>

namespace {

// Memory in the other process, for the list view's messages that carry a pointer.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size) : m_process(process), m_size(size) {
        m_address = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteMemory() {
        if (m_address) {
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        }
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    LPARAM Address(std::size_t offset = 0) const {
        return reinterpret_cast<LPARAM>(static_cast<char*>(m_address) + offset);
    }
    void Write(const void* data, std::size_t size, std::size_t offset = 0) const {
        WriteProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, nullptr);
    }
    void Read(void* data, std::size_t size, std::size_t offset = 0) const {
        ReadProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size, nullptr);
    }

private:
    HANDLE m_process;
    std::size_t m_size;
    void* m_address = nullptr;
};

// The text of a message box: its static control that holds text.
std::string MessageText(HWND box) {
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16] = {};
        GetClassNameA(child, cls, sizeof cls);
        char buffer[1024] = {};
        GetWindowTextA(child, buffer, sizeof buffer);
        if (std::strcmp(cls, "Static") == 0 && buffer[0] != '\0') {
            text = buffer;
        }
    }
    return text;
}

}  // namespace

HWND WaitForDialogOf(const AppInstance& app, const char* caption, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitFor([&] { return (found = FindDialogOf(app.ProcessId(), caption)) != nullptr; }, timeoutMs);
    return found;
}

void DialogDriver::SetText(int id, const std::string& text) const {
    SendMessageA(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string DialogDriver::Text(int id) const {
    char buffer[1024] = {};
    SendMessageA(Item(id), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::string DialogDriver::Click(int id, bool opensDialog) const {
    if (opensDialog) {
        PostMessageA(Item(id), BM_CLICK, 0, 0);
        return {};
    }
    // The callback comes once the click has been handled, also after a message box it showed.
    bool handled = false;
    SendMessageCallbackA(
        Item(id), BM_CLICK, 0, 0,
        [](HWND, UINT, ULONG_PTR done, LRESULT) { *reinterpret_cast<bool*>(done) = true; },
        reinterpret_cast<ULONG_PTR>(&handled));
    std::string told;
    WaitFor(
        [&] {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageA(&msg);
            }
            if (!handled && told.empty()) {
                told = TakeMessage(0);
            }
            return handled;
        },
        10000);
    return told;
}

std::string DialogDriver::TakeMessage(DWORD timeoutMs) const {
    HWND box = WaitForDialogOf(m_app, "Whiskertime", timeoutMs);
    if (box == nullptr) {
        return {};
    }
    std::string text = MessageText(box);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !IsWindow(box); }, 5000);
    return text;
}

std::vector<std::string> DialogDriver::ListEntries(int id) const {
    std::vector<std::string> entries;
    LRESULT count = SendMessageA(Item(id), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // Asked in UTF-16: Wine hands a list box's text to another process in its own form.
        wchar_t wide[1024] = {};
        SendMessageW(Item(id), LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[2048] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        entries.push_back(text);
    }
    return entries;
}

void DialogDriver::SelectEntry(int id, int index) const {
    SendMessageA(Item(id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int DialogDriver::RowCount(int id) const {
    return static_cast<int>(SendMessageA(Item(id), LVM_GETITEMCOUNT, 0, 0));
}

std::string DialogDriver::RowText(int id, int row, int column) const {
    RemoteMemory memory(m_app.Process(), sizeof(LVITEMA) + 512);
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<char*>(memory.Address(sizeof(LVITEMA)));
    item.cchTextMax = 512;
    memory.Write(&item, sizeof item);
    SendMessageA(Item(id), LVM_GETITEMTEXTA, static_cast<WPARAM>(row), memory.Address());
    char text[512] = {};
    memory.Read(text, sizeof text - 1, sizeof(LVITEMA));
    return text;
}

void DialogDriver::SelectRows(int id, const std::vector<int>& rows) const {
    RemoteMemory memory(m_app.Process(), sizeof(LVITEMA));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = 0;
    memory.Write(&item, sizeof item);
    SendMessageA(Item(id), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), memory.Address());
    item.state = LVIS_SELECTED;
    memory.Write(&item, sizeof item);
    for (int row : rows) {
        SendMessageA(Item(id), LVM_SETITEMSTATE, static_cast<WPARAM>(row), memory.Address());
    }
}

RECT DialogDriver::RowRect(int id, int row) const {
    RemoteMemory memory(m_app.Process(), sizeof(RECT));
    RECT r{};
    r.left = LVIR_BOUNDS;
    memory.Write(&r, sizeof r);
    SendMessageA(Item(id), LVM_GETITEMRECT, static_cast<WPARAM>(row), memory.Address());
    memory.Read(&r, sizeof r);
    MapWindowPoints(Item(id), nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
