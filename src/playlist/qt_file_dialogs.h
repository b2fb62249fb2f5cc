#pragma once
// The playlist's file dialogs on QFileDialog.

#include "playlist/file_dialogs.h"

class QWidget;

namespace rq {

class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> open_file(const std::string& filter,
                                         const std::string& default_extension) override;
    std::optional<std::string> save_file(const std::string& filter,
                                         const std::string& default_extension) override;

  private:
    QWidget* parent_;
};

// "Label|*.a;*.b||" as QFileDialog writes it: "Label (*.a *.b)", one
// filter per line.
std::string qt_name_filters(const std::string& filter);

}  // namespace rq
