// The dialog framework: a modal dialog built from a dialog resource, whose messages reach
// virtual handlers of one C++ object.
#pragma once

#include <windows.h>

class DialogLook;

class ModalDialog {
public:
    // The look every dialog wears from now on, beyond the platform's (null: none). Set once at
    // start-up; the look must outlive the dialogs.
    static void SetLook(const DialogLook* look);

    ModalDialog(int templateId, HWND parent);
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

    // Runs the dialog until EndDialog (or the quit message); returns the end code, -1 on failure.
    // A dialog without a parent is owned by the application's main window, which it disables
    // while it runs.
    INT_PTR DoModal();
    // Opens the dialog without a loop of its own: it lives in whichever loop runs (the
    // character's), and EndDialog destroys it. Keys reach it as in a modal dialog (Tab, Enter,
    // Escape). False when it could not be created.
    bool OpenModeless(HWND owner);

    HWND Handle() const { return m_hwnd; }
    int TemplateId() const { return m_templateId; }

    // The modal dialog opened last of those still open (the innermost modal loop's), or null.
    static ModalDialog* Innermost();
    // Brings the window to the front: restored if minimised, shown, and made the active window (or
    // the message box or other dialog it has open is).
    static void BringToFront(HWND window);

protected:
    // The message handlers. Each returns the dialog procedure's result; the defaults do what the
    // dialog manager does by itself.
    virtual BOOL OnInitDialog() { return TRUE; }
    // Commands other than IDOK and IDCANCEL; return true when handled.
    virtual bool OnCommand(int id, int notifyCode);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    // A tick of one of the dialog's timers; the message then goes on to the default handling.
    virtual void OnTimer(UINT_PTR) {}
    // A control's notification. Returns true when handled, with the notification's answer in
    // `result`; false leaves it to the default handling.
    virtual bool OnNotify(NMHDR&, LRESULT& /*result*/) { return false; }
    // The text colour of a static control, or nothing for the usual one. A colour is set after
    // the usual answer (background and brush) has been produced.
    virtual bool StaticTextColour(int /*controlId*/, COLORREF& /*colour*/) { return false; }
    // Whether a static control explains the colours of a list's rows; the program's look may draw
    // it as the list draws its rows.
    virtual bool IsStateLegend(int /*controlId*/) const { return false; }

    // A dialog that places itself in OnInitDialog says so, and is not centred.
    virtual bool PlacesItself() const { return false; }
    // Whether the program's look dresses this dialog; a window that draws itself entirely says no.
    virtual bool WearsLook() const { return true; }

    // Every message passes here first; a window overrides it to add its own messages and calls
    // the base for the rest. Returns the dialog procedure's result (FALSE: not handled).
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void EndDialog(INT_PTR result);

    // For messages whose result a dialog procedure must leave in DWLP_MSGRESULT (WM_NCHITTEST,
    // WM_NOTIFY, ...): stores it and returns TRUE for HandleMessage to pass on.
    INT_PTR SetMessageResult(LRESULT result);

private:
    // Dialogs without an explicit position open centred: over a visible owner, otherwise in the
    // work area of the primary monitor, and always inside that work area.
    void CentreOnOpen();
    // The look that dresses this dialog, or null.
    const DialogLook* Look() const;
    // WM_CTLCOLORDLG, WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the look's colours when it dresses
    // this dialog, a control's own text colour over the usual answer, or the platform's.
    INT_PTR OnControlColour(UINT message, HDC dc, HWND control);

    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    int m_templateId;
    HWND m_parent;
    HWND m_hwnd = nullptr;
    bool m_modeless = false;
};
