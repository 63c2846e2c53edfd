#include "ui/list_controls.h"

#include <commctrl.h>

void ListBoxControl::Add(const std::string& text) const {
    SendMessageA(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int ListBoxControl::Count() const {
    return static_cast<int>(SendMessageA(m_list, LB_GETCOUNT, 0, 0));
}

int ListBoxControl::Selection() const {
    LRESULT index = SendMessageA(m_list, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

std::string ListBoxControl::Text(int index) const {
    LRESULT length = SendMessageA(m_list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied = SendMessageA(m_list, LB_GETTEXT, static_cast<WPARAM>(index),
                                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void ListBoxControl::Delete(int index) const {
    SendMessageA(m_list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    SendMessageA(m_list, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void ListViewControl::AddColumn(int index, const char* title, int width) const {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(title);
    column.iSubItem = index;
    SendMessageA(m_list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
}

int ListViewControl::InsertRow(int index, const std::vector<std::string>& texts) const {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<char*>(texts.empty() ? "" : texts[0].c_str());
    int row =
        static_cast<int>(SendMessageA(m_list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0) {
        return -1;
    }
    for (std::size_t column = 1; column < texts.size(); ++column) {
        LVITEMA sub{};
        sub.iSubItem = static_cast<int>(column);
        sub.pszText = const_cast<char*>(texts[column].c_str());
        SendMessageA(m_list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&sub));
    }
    return row;
}

void ListViewControl::DeleteAllRows() const {
    SendMessageA(m_list, LVM_DELETEALLITEMS, 0, 0);
}

int ListViewControl::RowCount() const {
    return static_cast<int>(SendMessageA(m_list, LVM_GETITEMCOUNT, 0, 0));
}

int ListViewControl::FirstSelected() const {
    return static_cast<int>(SendMessageA(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1),
                                         MAKELPARAM(LVNI_SELECTED, 0)));
}

std::string ListViewControl::Text(int row, int column, int limit) const {
    std::string text(static_cast<std::size_t>(limit), '\0');
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = limit;
    LRESULT length = SendMessageA(m_list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                                  reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void ListViewControl::RedrawRow(int row) const {
    SendMessageA(m_list, LVM_REDRAWITEMS, static_cast<WPARAM>(row), static_cast<LPARAM>(row));
    UpdateWindow(m_list);
}
