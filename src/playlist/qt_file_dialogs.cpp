#include "playlist/qt_file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace rq {

std::string qt_name_filters(const std::string& filter) {
    std::string out;
    size_t pos = 0;
    while (pos < filter.size()) {
        size_t bar = filter.find('|', pos);
        if (bar == std::string::npos || bar == pos) break;
        size_t end = filter.find('|', bar + 1);
        if (end == std::string::npos) end = filter.size();
        std::string patterns = filter.substr(bar + 1, end - bar - 1);
        for (char& c : patterns)
            if (c == ';') c = ' ';
        if (!out.empty()) out += ";;";
        out += filter.substr(pos, bar - pos) + " (" + patterns + ")";
        pos = end + 1;
    }
    return out;
}

namespace {

std::optional<std::string> run_dialog(QWidget* parent, const std::string& folder,
                                      const std::string& filter,
                                      const std::string& default_extension, bool save) {
    QFileDialog dialog(parent, QString(), QFile::decodeName(folder.c_str()),
                       QString::fromStdString(qt_name_filters(filter)));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(default_extension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().front()).toStdString();
}

}  // namespace

std::optional<std::string> QtFileDialogs::open_file(const std::string& filter,
                                                    const std::string& default_extension) {
    return run_dialog(parent_, cwd_.current(), filter, default_extension, false);
}

std::optional<std::string> QtFileDialogs::save_file(const std::string& filter,
                                                    const std::string& default_extension) {
    return run_dialog(parent_, cwd_.current(), filter, default_extension, true);
}

void QtFileDialogs::message(const std::string& text) {
    QMessageBox::warning(parent_, QStringLiteral("RQ810Z"), QString::fromStdString(text));
}

}  // namespace rq
