// Where the player's files live: beside a copy the user may write to, else
// in the user's configuration folder; the template beside the executable
// or in the installed data folder.

#include "platform/file_locations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/temp_dir.h"

namespace rq {
namespace {

TEST(FileLocations, ChosenByWhereTheProgramStandsAndWhoRunsIt) {
    struct Case {
        const char* what;
        const char* exe;
        bool writable;
        bool template_beside;
        const char* config_home;
        const char* home;
        const char* folder;
        const char* template_path;
    };
    const Case cases[] = {
        {"build tree", "/home/u/rq/build/", true, true, "", "/home/u", "/home/u/rq/build/",
         "/home/u/rq/build/RQ01.sys"},
        {"unpacked package", "/tmp/x/usr/bin/", true, false, "", "/home/u", "/tmp/x/usr/bin/",
         "/tmp/x/usr/share/rq810z/RQ01.sys"},
        {"installed, XDG set", "/usr/bin/", false, false, "/home/u/cfg", "/home/u",
         "/home/u/cfg/rq810z/", "/usr/share/rq810z/RQ01.sys"},
        {"installed, XDG unset", "/usr/bin/", false, false, "", "/home/u",
         "/home/u/.config/rq810z/", "/usr/share/rq810z/RQ01.sys"},
        // Root may write into the system's program folders; its files still
        // go to its own home.
        {"installed, run by root", "/usr/bin/", true, false, "", "/root", "/root/.config/rq810z/",
         "/usr/share/rq810z/RQ01.sys"},
        {"under /opt, run by root", "/opt/rq/bin/", true, false, "/root/c/", "/root",
         "/root/c/rq810z/", "/usr/share/rq810z/RQ01.sys"},
        {"read-only copy, no home", "/mnt/ro/", false, true, "", "", "/mnt/ro/",
         "/mnt/ro/RQ01.sys"},
    };
    for (const Case& c : cases) {
        LocationFacts f;
        f.executable_folder = c.exe;
        f.executable_folder_writable = c.writable;
        f.template_beside_executable = c.template_beside;
        f.installed_data_folder = std::string(c.exe).rfind("/tmp/x/", 0) == 0
                                      ? "/tmp/x/usr/share/rq810z/"
                                      : "/usr/share/rq810z/";
        f.config_home = c.config_home;
        f.home = c.home;
        const FileLocations got = choose_file_locations(f);
        EXPECT_EQ(got.folder, c.folder) << c.what;
        EXPECT_EQ(got.template_path, c.template_path) << c.what;
    }
}

// Sets an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(FileLocations, FactsComeFromTheProcessAndTheFileSystem) {
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/cfg");
        ScopedEnv home("HOME", "/home/someone");
        const LocationFacts f = gather_location_facts("", "../share/rq810z/");
        // The test executable's own folder, from the running process.
        EXPECT_EQ(f.executable_folder,
                  std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/");
        EXPECT_EQ(f.config_home, "") << "a relative XDG_CONFIG_HOME is ignored";
        EXPECT_EQ(f.home, "/home/someone");
        EXPECT_EQ(f.installed_data_folder.back(), '/');
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", "/abs/cfg");
    EXPECT_EQ(gather_location_facts("", "../share/rq810z/").config_home, "/abs/cfg");
}

TEST(FileLocations, TheUsersFolderIsMadeOnTheFirstStart) {
    test::TempDir dir;
    const FileLocations files{dir / "config/rq810z/", ""};
    EXPECT_TRUE(make_files_folder(files));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "config/rq810z"));
    EXPECT_TRUE(make_files_folder(files)) << "an existing folder is fine";
    test::write_bytes(dir / "file", "x");
    EXPECT_FALSE(make_files_folder({dir / "file/rq810z/", ""}));
}

}  // namespace
}  // namespace rq
