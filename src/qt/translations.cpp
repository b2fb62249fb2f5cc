#include "qt/translations.h"

#include <QCoreApplication>
#include <QStringList>
#include <string>

#include "panels/settings_dialog.h"
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

bool install_translations(QTranslator& translator, const QLocale& locale) {
    if (!translator.load(locale, QStringLiteral("rq810z"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

QString translated_message(std::string_view text) {
    QStringList lines = QString::fromUtf8(text.data(), qsizetype(text.size())).split('\n');
    for (QString& line : lines) {
        const QByteArray utf8 = line.toUtf8();
        for (const char* known : kMessageLines)
            if (utf8 == known) line = QCoreApplication::translate("Messages", known);
    }
    return lines.join('\n');
}

}  // namespace rq
