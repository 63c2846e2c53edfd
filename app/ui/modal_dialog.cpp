#include "modal_dialog.h"

#include "ui/application.h"
#include "ui/dialog_look.h"
#include "ui/win_geometry.h"

#include <algorithm>
#include <vector>

namespace {
const DialogLook* g_look = nullptr;
std::vector<ModalDialog*> g_modal;  // the modal dialogs now open, outermost first

// Modeless dialogs get their keys through the running modal loop's message filter: every loop
// the dialog manager runs offers each message to this thread's filter hooks first.
class ModelessKeys {
public:
    static void Add(HWND dialog) {
        Instance().m_dialogs.push_back(dialog);
        if (Instance().m_hook == nullptr) {
            Instance().m_hook =
                SetWindowsHookExA(WH_MSGFILTER, &Filter, nullptr, GetCurrentThreadId());
        }
    }
    static void Remove(HWND dialog) {
        std::vector<HWND>& dialogs = Instance().m_dialogs;
        dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), dialog), dialogs.end());
        if (dialogs.empty() && Instance().m_hook != nullptr) {
            UnhookWindowsHookEx(Instance().m_hook);
            Instance().m_hook = nullptr;
        }
    }

private:
    static ModelessKeys& Instance() {
        static ModelessKeys keys;
        return keys;
    }
    static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam) {
        if (code == MSGF_DIALOGBOX) {
            MSG* message = reinterpret_cast<MSG*>(lParam);
            for (HWND dialog : Instance().m_dialogs) {
                if ((message->hwnd == dialog || IsChild(dialog, message->hwnd)) &&
                    IsDialogMessageA(dialog, message)) {
                    return TRUE;
                }
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    std::vector<HWND> m_dialogs;
    HHOOK m_hook = nullptr;
};
}  // namespace

ModalDialog* ModalDialog::Innermost() {
    return g_modal.empty() ? nullptr : g_modal.back();
}

void ModalDialog::BringToFront(HWND window) {
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    ShowWindow(window, SW_SHOW);
    // A message box or an open-file dialog over it is what takes the input.
    HWND popup = GetLastActivePopup(window);
    if (popup != nullptr && IsWindowVisible(popup) && IsWindowEnabled(popup)) {
        window = popup;
    }
    SetForegroundWindow(window);
}

void ModalDialog::SetLook(const DialogLook* look) {
    g_look = look;
}

const DialogLook* ModalDialog::Look() const {
    return WearsLook() ? g_look : nullptr;
}

ModalDialog::ModalDialog(int templateId, HWND parent)
    : m_templateId(templateId), m_parent(parent) {}

INT_PTR ModalDialog::DoModal() {
    HWND owner = m_parent;
    if (owner == nullptr) {
        owner = Application::MainWindow();
    }
    return DialogBoxParamA(Application::Instance(), MAKEINTRESOURCEA(m_templateId), owner,
                           &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

bool ModalDialog::OpenModeless(HWND owner) {
    m_modeless = true;
    HWND hwnd = CreateDialogParamA(Application::Instance(), MAKEINTRESOURCEA(m_templateId), owner,
                                   &ModalDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hwnd == nullptr) {
        return false;
    }
    ModelessKeys::Add(hwnd);
    return true;
}

void ModalDialog::EndDialog(INT_PTR result) {
    if (m_modeless) {
        DestroyWindow(m_hwnd);
        return;
    }
    ::EndDialog(m_hwnd, result);
}

INT_PTR ModalDialog::SetMessageResult(LRESULT result) {
    SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void ModalDialog::CentreOnOpen() {
    LONG_PTR style = GetWindowLongPtrA(m_hwnd, GWL_STYLE);
    if (style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) {
        return;
    }
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    RECT area = workArea;
    HWND owner = GetWindow(m_hwnd, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    }
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    Point topLeft = CentredPosition({ToRect(window).Width(), ToRect(window).Height()}, ToRect(area),
                                    ToRect(workArea));
    SetWindowPos(m_hwnd, nullptr, topLeft.x, topLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR ModalDialog::OnControlColour(UINT message, HDC dc, HWND control) {
    int id = GetDlgCtrlID(control);
    COLORREF own = 0;
    bool hasOwn = message == WM_CTLCOLORSTATIC && StaticTextColour(id, own);
    HBRUSH brush = nullptr;
    if (const DialogLook* look = Look()) {
        bool legend = message == WM_CTLCOLORSTATIC && IsStateLegend(id);
        brush = look->ControlColour(message, control, dc, legend);
    }
    if (brush == nullptr) {
        if (!hasOwn) {
            return FALSE;
        }
        // The usual answer first, then the colour over it.
        brush = reinterpret_cast<HBRUSH>(DefWindowProcA(
            m_hwnd, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    }
    if (hasOwn) {
        SetTextColor(dc, own);
    }
    // A colour message's brush is the dialog procedure's answer itself.
    return reinterpret_cast<INT_PTR>(brush);
}

bool ModalDialog::OnCommand(int, int) {
    return false;
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            OnTimer(wParam);
            return FALSE;  // every timer, known or not, goes on to the default handling
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(*reinterpret_cast<NMHDR*>(lParam), result)) {
                return SetMessageResult(result);
            }
            return FALSE;
        }
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(message, reinterpret_cast<HDC>(wParam),
                                   reinterpret_cast<HWND>(lParam));
        case WM_INITDIALOG: {
            if (!m_modeless) {
                g_modal.push_back(this);
            }
            BOOL focusDefault = OnInitDialog();
            if (const DialogLook* look = Look()) {
                look->Dress(m_hwnd);
            }
            if (!PlacesItself()) {
                CentreOnOpen();
            }
            return focusDefault;
        }
        case WM_COMMAND: {
            int id = LOWORD(wParam);
            int code = HIWORD(wParam);
            if (id == IDOK) {
                OnOK();
                return TRUE;
            }
            if (id == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            return OnCommand(id, code) ? TRUE : FALSE;
        }
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK ModalDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ModalDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<ModalDialog*>(lParam);
        self->m_hwnd = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT) have no object yet.
    if (self == nullptr) {
        return FALSE;
    }
    INT_PTR result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        if (self->m_modeless) {
            ModelessKeys::Remove(hwnd);
        }
        g_modal.erase(std::remove(g_modal.begin(), g_modal.end(), self), g_modal.end());
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hwnd = nullptr;
    }
    return result;
}
