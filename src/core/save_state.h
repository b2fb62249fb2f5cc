#pragma once
// The files the player could not save, kept for the report at the end of
// the run, when the user can still copy what matters elsewhere.

#include <map>
#include <string>

namespace rq {

struct UnsavedFiles {
    // errno of the last failed save of each path; a later good save of the
    // same path forgets it.
    std::map<std::string, int> reasons;

    // How a save of `path` ended; `err` is errno when it failed.
    void note(const std::string& path, bool saved, int err) {
        if (saved)
            reasons.erase(path);
        else
            reasons[path] = err;
    }
};

}  // namespace rq
