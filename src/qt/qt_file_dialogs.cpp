#include "qt/qt_file_dialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <string_view>

#include "media/drops.h"
#include "playlist/playlist_editor.h"

namespace rq {

namespace {

// The fixed lines of the logic's messages; each must read exactly as the
// constant the logic uses, or it would never be found.
constexpr const char* kMessageLines[] = {
    QT_TRANSLATE_NOOP("Messages", "リストファイルを読み込めませんでした。"),
    QT_TRANSLATE_NOOP("Messages", "リストファイルを保存できませんでした。"),
};
static_assert(std::string_view(kMessageLines[0]) == kListReadFailed);
static_assert(std::string_view(kMessageLines[1]) == kListWriteFailed);

}  // namespace

QString translated_message(std::string_view text) {
    QStringList lines = QString::fromUtf8(text.data(), qsizetype(text.size())).split('\n');
    for (QString& line : lines) {
        const QByteArray utf8 = line.toUtf8();
        for (const char* known : kMessageLines)
            if (utf8 == known) line = QCoreApplication::translate("Messages", known);
    }
    return lines.join('\n');
}

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

// The labels of the logic's filters, for the translation.
constexpr const char* kListFilterLabel = QT_TRANSLATE_NOOP("FileDialogs", "Select List File");
static_assert(std::string_view(kListFileFilter).starts_with(std::string_view(kListFilterLabel)));
constexpr const char* kAnyFilterLabel = QT_TRANSLATE_NOOP("FileDialogs", "Filename");
static_assert(std::string_view(kAnyFileFilter).starts_with(std::string_view(kAnyFilterLabel)));

// Each filter's label translated; the patterns stay.
QString translated_filters(const std::string& filter) {
    QStringList out;
    for (const QString& entry : QString::fromStdString(qt_name_filters(filter)).split(";;")) {
        const qsizetype open = entry.lastIndexOf(" (");
        if (open < 0) {
            out << entry;
            continue;
        }
        const QByteArray label = entry.left(open).toUtf8();
        out << QCoreApplication::translate("FileDialogs", label.constData()) + entry.mid(open);
    }
    return out.join(";;");
}

std::optional<std::string> run_dialog(QWidget* parent, const std::string& folder,
                                      const std::string& filter,
                                      const std::string& default_extension, bool save) {
    QFileDialog dialog(parent, QString(), QFile::decodeName(folder.c_str()),
                       translated_filters(filter));
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
    QMessageBox::warning(parent_, QStringLiteral("RQ810Z"), translated_message(text));
}

}  // namespace rq
