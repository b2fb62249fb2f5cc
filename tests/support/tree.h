#pragma once
// Folder trees for the playlist tests: names ending in "/" are folders,
// others empty files; parents are made as needed.

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/list_store.h"

namespace rq::test {

inline void make_tree(const std::string& root, std::initializer_list<std::string> items) {
    for (const std::string& item : items) {
        const std::string path = root + item;
        if (item.back() == '/') {
            std::filesystem::create_directories(path);
        } else {
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            std::ofstream(path, std::ios::binary) << "x";
        }
    }
}

inline std::vector<std::string> rows_of(const ListStore& list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list.count(); ++i)
        rows.push_back(list.text(i));
    return rows;
}

}  // namespace rq::test
