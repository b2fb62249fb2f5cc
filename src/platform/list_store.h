#pragma once
// Model of a list-box control: rows of text changed by insert-at, delete-at,
// sorted add and read-by-index, with a selection flag per row. A visible list
// is a view over one of these; the hidden data lists of the main window are
// nothing more.

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace rq {

class ListStore {
  public:
    // Called after every change so that a view can follow. The row index is
    // the first row touched, or -1 when the whole list changed.
    using Listener = std::function<void(int first_row)>;

    int count() const { return static_cast<int>(rows_.size()); }
    bool empty() const { return rows_.empty(); }

    // Text of row i; an empty string when i names no row (the list box
    // answers LB_ERR and the caller's buffer stays empty).
    const std::string& text(int i) const;

    // Inserts at i; i < 0 or past the end appends. Returns the row index.
    int insert_at(int i, std::string text);
    // Inserts keeping ascending case-insensitive order of the whole text;
    // an equal text goes after the existing ones. Returns the row index.
    int add_sorted(std::string text);
    // The same as calling add_sorted for each text in turn, in n log n
    // rather than one row move per add (one notification).
    void add_sorted_all(std::vector<std::string> texts);
    // Removes row i; returns false when i names no row.
    bool delete_at(int i);
    // Replaces the text of row i, keeping its selection; false when i names
    // no row.
    bool set_text(int i, std::string text);
    // Rows i and j change places, each with its selection.
    void swap_rows(int i, int j);
    void clear();
    // Replaces every row at once (one notification).
    void assign(std::vector<std::string> rows);

    bool selected(int i) const;
    void set_selected(int i, bool on);
    int selected_count() const;
    // Index of the first selected row, or -1.
    int first_selected() const;

    void set_listener(Listener listener) { listener_ = std::move(listener); }

    // Case-insensitive (ASCII folding, whatever the locale) ordering used by
    // the sorted add.
    static bool less_nocase(const std::string& a, const std::string& b);

  private:
    struct Row {
        std::string text;
        bool selected = false;
    };
    void changed(int first_row) {
        if (listener_) listener_(first_row);
    }
    // A deque: removing the first row (a folder queue) and appending stay
    // cheap on long lists.
    std::deque<Row> rows_;
    Listener listener_;
};

// One line of text, as an edit control holds it.
class TextStore {
  public:
    const std::string& text() const { return text_; }
    void set_text(std::string text) { text_ = std::move(text); }

  private:
    std::string text_;
};

}  // namespace rq
