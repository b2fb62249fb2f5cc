#pragma once
// The English texts. The Japanese texts of the windows are the source; the
// English ones are embedded and taken when the user's language is English.
// Window titles of the player's own windows, file names and command strings
// never change.

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace rq {

// Installs the texts for `locale`'s languages into the application when
// there are any (English); true when installed. `translator` must outlive
// their use.
bool install_translations(QTranslator& translator, const QLocale& locale = QLocale());

}  // namespace rq
