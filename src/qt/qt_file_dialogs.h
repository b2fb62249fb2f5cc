#pragma once
// The playlist's file dialogs on QFileDialog, its messages on QMessageBox.

#include <QString>
#include <string_view>

#include "platform/file_dialogs.h"
#include "platform/working_directory.h"

class QWidget;

namespace rq {

class QtFileDialogs : public FileDialogs {
  public:
    // The dialogs open in `cwd`.
    QtFileDialogs(QWidget* parent, const WorkingDirectory& cwd) : parent_(parent), cwd_(cwd) {}
    std::optional<std::string> open_file(const std::string& filter,
                                         const std::string& default_extension) override;
    std::optional<std::string> save_file(const std::string& filter,
                                         const std::string& default_extension) override;
    void message(const std::string& text) override;

  private:
    QWidget* parent_;
    const WorkingDirectory& cwd_;
};

// "Label|*.a;*.b||" as QFileDialog writes it: "Label (*.a *.b)", one
// filter per line.
std::string qt_name_filters(const std::string& filter);

// A message the player's logic composed of fixed texts and values, one per
// line: each line that is one of the known texts is translated, the others
// (paths, the system's reasons) pass through as they are.
QString translated_message(std::string_view text);

}  // namespace rq
