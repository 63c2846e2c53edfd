// Thin helpers over the list box and the list view, in the program's texts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class ListBoxControl {
public:
    explicit ListBoxControl(HWND list = nullptr) : m_list(list) {}
    HWND Handle() const { return m_list; }

    void Add(const std::string& text) const;
    int Count() const;
    // The selected entry, or -1.
    int Selection() const;
    std::string Text(int index) const;
    // Removes the entry; nothing is selected afterwards.
    void Delete(int index) const;

private:
    HWND m_list;
};

class ListViewControl {
public:
    explicit ListViewControl(HWND list = nullptr) : m_list(list) {}
    HWND Handle() const { return m_list; }

    void AddColumn(int index, const char* title, int width) const;
    // Inserts a row at `index` with the texts of its columns; returns its index, -1 on failure.
    int InsertRow(int index, const std::vector<std::string>& texts) const;
    void DeleteAllRows() const;
    int RowCount() const;
    // The first selected row from the top, or -1.
    int FirstSelected() const;
    std::string Text(int row, int column, int limit = 260) const;
    // Redraws the one row at once.
    void RedrawRow(int row) const;

private:
    HWND m_list;
};
