#include "ui/dialog_fields.h"

#include "ui/integer_field.h"
#include "ui/message_box.h"

std::string ControlText(HWND control) {
    int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    int copied = GetWindowTextA(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

void DialogFields::BindText(int controlId, std::string& field) {
    m_bindings.push_back({controlId, &field, nullptr, 0, 0});
}

void DialogFields::BindInteger(int controlId, std::int32_t& field, std::int32_t min,
                               std::int32_t max) {
    m_bindings.push_back({controlId, nullptr, &field, min, max});
}

bool DialogFields::Read(HWND dialog) {
    for (const Binding& b : m_bindings) {
        HWND control = GetDlgItem(dialog, b.controlId);
        std::string text = ControlText(control);
        if (b.text != nullptr) {
            *b.text = std::move(text);
            continue;
        }
        IntegerCheck check = CheckIntegerText(text, b.min, b.max);
        if (check.number) {
            *b.number = *check.number;
        }
        if (!check.refusal.empty()) {
            ShowFieldMessage(dialog, check.refusal);
            SetFocus(control);
            SendMessageA(control, EM_SETSEL, 0, -1);
            return false;
        }
    }
    return true;
}

void DialogFields::Write(HWND dialog) const {
    for (const Binding& b : m_bindings) {
        std::string text = b.text != nullptr ? *b.text : std::to_string(*b.number);
        SetDlgItemTextA(dialog, b.controlId, text.c_str());
    }
}
