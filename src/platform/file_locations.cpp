#include "platform/file_locations.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/path_util.h"

namespace rq {

namespace {

constexpr char kTemplateName[] = "RQ01.sys";

// The folders the system's packages install programs into. Root may write
// there, but the files of one user must not land beside a program that
// every user runs.
bool system_program_folder(const std::string& folder) {
    for (std::string_view prefix : {"/usr/", "/bin/", "/sbin/", "/opt/"})
        if (folder.compare(0, prefix.size(), prefix) == 0) return true;
    return false;
}

std::string with_slash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

FileLocations choose_file_locations(const LocationFacts& facts) {
    const std::string& exe = facts.executable_folder;
    FileLocations out;
    out.template_path = facts.template_beside_executable
                            ? exe + kTemplateName
                            : facts.installed_data_folder + kTemplateName;
    if (facts.executable_folder_writable && !system_program_folder(exe)) {
        out.folder = exe;
    } else if (!facts.config_home.empty()) {
        out.folder = with_slash(facts.config_home) + "rq810z/";
    } else if (!facts.home.empty()) {
        out.folder = with_slash(facts.home) + ".config/rq810z/";
    } else {
        // Nowhere of the user's own: the files are read where the program
        // is, and writing them fails quietly.
        out.folder = exe;
    }
    return out;
}

LocationFacts gather_location_facts(std::string_view argv0, std::string_view data_from_bin) {
    LocationFacts f;
    f.executable_folder = executable_folder(argv0);
    f.executable_folder_writable = access(f.executable_folder.c_str(), W_OK) == 0;
    f.template_beside_executable = access((f.executable_folder + kTemplateName).c_str(), R_OK) == 0;
    f.installed_data_folder = with_slash(f.executable_folder + std::string(data_from_bin));
    std::error_code ec;
    const std::filesystem::path data = std::filesystem::canonical(f.installed_data_folder, ec);
    if (!ec) f.installed_data_folder = with_slash(data.string());
    // XDG base directories ignore a relative XDG_CONFIG_HOME.
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x == '/') f.config_home = x;
    if (const char* h = std::getenv("HOME"); h && *h) f.home = h;
    return f;
}

bool make_files_folder(const FileLocations& files) {
    std::error_code ec;
    std::filesystem::create_directories(files.folder, ec);
    return std::filesystem::is_directory(files.folder, ec);
}

}  // namespace rq
