#include "qt/translations.h"

#include <QCoreApplication>

namespace rq {

bool install_translations(QTranslator& translator, const QLocale& locale) {
    if (!translator.load(locale, QStringLiteral("rq810z"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

}  // namespace rq
