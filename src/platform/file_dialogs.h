#pragma once
// The file dialogs the playlist needs, and the message that tells the user
// a chosen file could not be used, as the core sees them. The Qt side
// implements them; a test fakes them.

#include <optional>
#include <string>

namespace rq {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // `filter` in the form "Label|pattern;pattern||"; `default_extension`
    // (without its dot) is appended to a name typed without one. The dialog
    // opens in the working directory. nullopt when the user cancels.
    virtual std::optional<std::string> open_file(const std::string& filter,
                                                 const std::string& default_extension) = 0;
    // Asks before overwriting an existing file.
    virtual std::optional<std::string> save_file(const std::string& filter,
                                                 const std::string& default_extension) = 0;
    // A message box with an OK button; returns when the user has read it.
    virtual void message(const std::string& text) = 0;
};

}  // namespace rq
