#include "platform/list_store.h"
#include "platform/path_util.h"

#include <algorithm>
#include <iterator>

namespace rq {

namespace {
const std::string kNoRow;

// Bytes above 127 sort after the letters, as unsigned bytes.
unsigned char fold(char c) {
    return static_cast<unsigned char>(ascii_lower(c));
}
}  // namespace

bool ListStore::less_nocase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return fold(x) < fold(y); });
}

const std::string& ListStore::text(int i) const {
    if (i < 0 || i >= count()) return kNoRow;
    return rows_[static_cast<size_t>(i)].text;
}

int ListStore::insert_at(int i, std::string text) {
    if (i < 0 || i > count()) i = count();
    rows_.insert(rows_.begin() + i, Row{std::move(text), false});
    changed(i);
    return i;
}

int ListStore::add_sorted(std::string text) {
    auto at =
        std::upper_bound(rows_.begin(), rows_.end(), text,
                         [](const std::string& t, const Row& r) { return less_nocase(t, r.text); });
    int i = static_cast<int>(at - rows_.begin());
    rows_.insert(at, Row{std::move(text), false});
    changed(i);
    return i;
}

void ListStore::add_sorted_all(std::vector<std::string> texts) {
    if (texts.empty()) return;
    std::stable_sort(texts.begin(), texts.end(), less_nocase);
    std::deque<Row> merged;
    auto row_less = [](const Row& a, const Row& b) { return less_nocase(a.text, b.text); };
    std::deque<Row> added;
    for (auto& t : texts)
        added.push_back(Row{std::move(t), false});
    // On equal texts std::merge takes the existing row first, as add_sorted does.
    std::merge(std::make_move_iterator(rows_.begin()), std::make_move_iterator(rows_.end()),
               std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()),
               std::back_inserter(merged), row_less);
    rows_ = std::move(merged);
    changed(-1);
}

bool ListStore::delete_at(int i) {
    if (i < 0 || i >= count()) return false;
    rows_.erase(rows_.begin() + i);
    changed(i);
    return true;
}

bool ListStore::set_text(int i, std::string text) {
    if (i < 0 || i >= count()) return false;
    rows_[static_cast<size_t>(i)].text = std::move(text);
    changed(i);
    return true;
}

void ListStore::swap_rows(int i, int j) {
    if (i < 0 || j < 0 || i >= count() || j >= count() || i == j) return;
    std::swap(rows_[static_cast<size_t>(i)], rows_[static_cast<size_t>(j)]);
    changed(std::min(i, j));
}

void ListStore::clear() {
    rows_.clear();
    changed(-1);
}

void ListStore::assign(std::vector<std::string> rows) {
    rows_.clear();
    for (auto& r : rows)
        rows_.push_back(Row{std::move(r), false});
    changed(-1);
}

bool ListStore::selected(int i) const {
    return i >= 0 && i < count() && rows_[static_cast<size_t>(i)].selected;
}

void ListStore::set_selected(int i, bool on) {
    if (i < 0 || i >= count()) return;
    rows_[static_cast<size_t>(i)].selected = on;
    changed(i);
}

int ListStore::selected_count() const {
    return static_cast<int>(
        std::count_if(rows_.begin(), rows_.end(), [](const Row& r) { return r.selected; }));
}

int ListStore::first_selected() const {
    for (int i = 0; i < count(); ++i)
        if (rows_[static_cast<size_t>(i)].selected) return i;
    return -1;
}

}  // namespace rq
