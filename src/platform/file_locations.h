#pragma once
// Where the player keeps its files ("RQ01.CFG", "RQ01.rql", "Index/",
// "bg/") and where it reads the settings template. Chosen once at start-up:
// beside the executable when the user may write there (a build tree, an
// unpacked copy), else in the user's own configuration folder, so that an
// installed copy serves every user with files of their own.

#include <string>
#include <string_view>

namespace rq {

struct FileLocations {
    std::string folder;         // with a trailing "/"
    std::string template_path;  // the "RQ01.sys" that is read
};

// What the choice depends on, gathered from the process and the file system.
struct LocationFacts {
    std::string executable_folder;  // real path, with a trailing "/"
    bool executable_folder_writable = false;
    bool template_beside_executable = false;  // "RQ01.sys" lies beside it
    std::string installed_data_folder;        // the installed "share/rq810z/"
    std::string config_home;                  // $XDG_CONFIG_HOME, when absolute
    std::string home;                         // $HOME
};

// Pure: the same facts always give the same folders.
FileLocations choose_file_locations(const LocationFacts& facts);

// The facts of this process. `data_from_bin` is the installed data folder
// relative to the executable's folder ("../share/rq810z/").
LocationFacts gather_location_facts(std::string_view argv0, std::string_view data_from_bin);

// Creates the folder (and its parents) when it is missing; false when it
// cannot be made.
bool make_files_folder(const FileLocations& files);

}  // namespace rq
