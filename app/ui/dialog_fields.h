// Two-way exchange between a dialog's fields and its controls. A dialog binds each field to its
// control once, in the order in which the fields are read; Read() takes every control into its
// field and checks each number right after reading it, Write() puts every field into its control.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class DialogFields {
public:
    void BindText(int controlId, std::string& field);
    void BindInteger(int controlId, std::int32_t& field, std::int32_t min, std::int32_t max);

    // Reads the fields in their order. A box that holds no integer, or one outside its range, is
    // refused with the standard message (exclamation icon); it gets the focus with its text
    // selected, and the read stops there: the fields before it hold their new values, the refused
    // one the number it held if it was one, and the later ones keep theirs. False when refused.
    bool Read(HWND dialog);
    void Write(HWND dialog) const;

private:
    struct Binding {
        int controlId;
        std::string* text;
        std::int32_t* number;
        std::int32_t min;
        std::int32_t max;
    };
    std::vector<Binding> m_bindings;
};

// A control's whole text.
std::string ControlText(HWND control);
