// The English texts: taken for an English locale only, every text of the
// committed translation finished and embedded, the logic's messages
// translated line by line around their paths.

#include "qt/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <string>
#include <utility>
#include <vector>

#include "playlist/playlist_editor.h"
#include "qt/qt_file_dialogs.h"
#include "support/qt_app.h"

namespace rq {
namespace {

// (context, source, translation) of every message in the committed file.
struct TsMessage {
    QString context, source, translation;
    bool finished = true;
};

std::vector<TsMessage> read_ts(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<TsMessage> out;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            out.push_back({context, xml.readElementText(), {}});
        } else if (xml.name() == u"translation") {
            out.back().finished = xml.attributes().value("type").isEmpty();
            out.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return out;
}

TEST(Translations, EnglishOnlyForAnEnglishLocale) {
    const std::pair<QLocale, bool> cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), true},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), true},
        {QLocale(QLocale::Japanese, QLocale::Japan), false},
        {QLocale(QLocale::German, QLocale::Germany), false},
    };
    for (const auto& [locale, english] : cases) {
        QTranslator translator;
        EXPECT_EQ(install_translations(translator, locale), english) << locale.name().toStdString();
        EXPECT_EQ(QCoreApplication::translate("PlaylistEditor", "削除"),
                  english ? "Delete" : "削除")
            << locale.name().toStdString();
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(Translations, EveryCommittedTextIsFinishedAndEmbedded) {
    const std::vector<TsMessage> messages =
        read_ts(QStringLiteral(RQ_SOURCE_DIR "/translations/rq810z_en.ts"));
    ASSERT_GE(messages.size(), 30u);
    QTranslator english;
    ASSERT_TRUE(install_translations(english, QLocale(QLocale::English)));
    for (const TsMessage& m : messages) {
        const std::string what = (m.context + " / " + m.source).toStdString();
        EXPECT_TRUE(m.finished && !m.translation.isEmpty()) << what;
        const QByteArray context = m.context.toUtf8(), source = m.source.toUtf8();
        EXPECT_EQ(QCoreApplication::translate(context.constData(), source.constData()),
                  m.translation)
            << what;
    }
    QCoreApplication::removeTranslator(&english);
}

TEST(Translations, MessagesAreTranslatedLineByLineAroundTheirValues) {
    const std::string read_failed =
        std::string(kListReadFailed) + "\n/home/u/リスト.rql\nNo such file or directory";
    EXPECT_EQ(translated_message(read_failed).toStdString(), read_failed) << "no translator";
    QTranslator english;
    ASSERT_TRUE(install_translations(english, QLocale(QLocale::English)));
    EXPECT_EQ(translated_message(read_failed).toStdString(),
              "The list file could not be read.\n/home/u/リスト.rql\nNo such file or directory");
    EXPECT_EQ(translated_message(std::string(kListWriteFailed) + "\n/a.rql\n").toStdString(),
              "The list file could not be saved.\n/a.rql\n");
    // Only a whole line is a known text; a value holding one stays as it is.
    EXPECT_EQ(translated_message("/x/" + std::string(kListReadFailed)).toStdString(),
              "/x/" + std::string(kListReadFailed));
    QCoreApplication::removeTranslator(&english);
}

}  // namespace
}  // namespace rq
