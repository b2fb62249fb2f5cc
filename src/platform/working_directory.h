#pragma once
// The current directory, which the player changes into before each open so
// that the device finds a file by its bare name. Behind an interface so two
// players in one process (tests) each keep their own.

#include <string>
#include <string_view>

namespace rq {

class WorkingDirectory {
  public:
    virtual ~WorkingDirectory() = default;
    // Enters `dir` (absolute, or relative to the current one); false when
    // it cannot be entered, and then nothing changes.
    virtual bool change(const std::string& dir) = 0;
    // Absolute, without a trailing "/" except for the root.
    virtual std::string current() const = 0;
    // `name` made absolute against the current directory.
    std::string resolve(std::string_view name) const;
};

// The process's own: chdir and getcwd.
class ProcessWorkingDirectory : public WorkingDirectory {
  public:
    bool change(const std::string& dir) override;
    std::string current() const override;
};

// A directory kept by the object: it enters only folders that exist, and
// leaves the process's own alone.
class VirtualWorkingDirectory : public WorkingDirectory {
  public:
    explicit VirtualWorkingDirectory(std::string start = "/") : dir_(std::move(start)) {}
    bool change(const std::string& dir) override;
    std::string current() const override { return dir_; }

  private:
    std::string dir_;
};

// Changes to the root and then into every prefix of `path` that ends just
// before a "/" (and the whole path when it does not end in "/"), stopping
// at the first that cannot be entered. Returns the number of changes that
// succeeded (0 when even the root failed).
int enter_prefixes(WorkingDirectory& cwd, std::string_view path);

// As enter_prefixes with a folder; true only when all of it was entered.
// A folder gone away leaves an outer one current, where a bare name may
// find another file of that name.
bool enter_folder(WorkingDirectory& cwd, std::string_view folder);

}  // namespace rq
