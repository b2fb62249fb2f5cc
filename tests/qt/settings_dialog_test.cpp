// The settings dialog on Qt, driven as a user would: the speeds reset in
// the edits only, a speed that is no number refused, the background list.

#include "qt/qt_settings_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "core/settings.h"
#include "panels/settings_dialog.h"
#include "qt/translations.h"
#include "support/qt_app.h"

namespace rq {
namespace {

SettingsDialogValues stored() {
    SettingsDialogValues v = dialog_values(Settings{});
    v.search_step_table = {10, -10, 20, -20, 30, -30, 40, -40};
    v.background_name = "gone.bmp";
    return v;
}

const std::vector<std::string> kChoices{
    "\xE3\x83\x87\xE3\x83\x95\xE3\x82\xA9\xE3\x83\xAB\xE3\x83\x88", "a.bmp", "b.bmp"};

// Runs the dialog; `user` acts on it once it shows.
std::optional<SettingsDialogValues> run(const std::function<void(QDialog&)>& user,
                                        const SettingsDialogValues& values = stored(),
                                        int selected = 0) {
    QTimer::singleShot(0, [user] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        user(*dialog);
    });
    QtSettingsDialogUi ui(nullptr);
    return ui.run(values, kChoices, selected);
}

void click(QDialog& d, const char* name) {
    auto* button = d.findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

QLineEdit* speed(QDialog& d, int index) {
    return d.findChild<QLineEdit*>(QStringLiteral("speed%1").arg(index));
}

TEST(QtSettingsDialog, ResetFillsTheEditsOnlyCancelKeepsAndOkTakesThem) {
    std::vector<std::string> shown;
    const auto cancelled = run([&](QDialog& d) {
        for (int i = 0; i < 8; ++i)
            shown.push_back(speed(d, i)->text().toStdString());
        click(d, "reset");
        click(d, "cancel");
    });
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(shown,
              (std::vector<std::string>{"10", "-10", "20", "-20", "30", "-30", "40", "-40"}));

    std::vector<std::string> reset;
    const auto taken = run([&](QDialog& d) {
        click(d, "reset");
        for (int i = 0; i < 8; ++i)
            reset.push_back(speed(d, i)->text().toStdString());
        d.findChild<QButtonGroup*>("wheel_mode_paused")->button(1)->click();
        d.findChild<QAbstractButton*>("autoplay")->click();
        click(d, "ok");
    });
    EXPECT_EQ(reset, (std::vector<std::string>{"2000", "-2000", "34", "-33", "34", "-33", "2000",
                                               "-2000"}));
    ASSERT_TRUE(taken);
    SettingsDialogValues expected = stored();
    expected.search_step_table = kDefaultSearchSteps;
    expected.wheel_mode_paused = 1;
    expected.autoplay = 0;
    EXPECT_EQ(*taken, expected);
}

TEST(QtSettingsDialog, ASpeedThatIsNoNumberIsRefusedWithAMessageAndTheDialogStays) {
    std::string message;
    bool still_open = false;
    const auto taken = run([&](QDialog& d) {
        speed(d, 3)->setText("fast");
        // The message comes up modal over the dialog.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            message = box->text().toStdString();
            box->accept();
        });
        click(d, "ok");
        still_open = d.isVisible();
        speed(d, 3)->setText(" -7 ");
        click(d, "ok");
    });
    EXPECT_EQ(message, kSpeedNotANumber);
    EXPECT_TRUE(still_open);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->search_step_table[3], -7);
}

TEST(QtSettingsDialog, TheBackgroundNameChangesOnlyWhenTheUserPicksOne) {
    int shown_index = -1;
    const auto picked = run(
        [&](QDialog& d) {
            auto* list = d.findChild<QComboBox*>("background");
            shown_index = list->currentIndex();
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QApplication::sendEvent(list, &down);
            click(d, "ok");
        },
        stored(), 1);
    EXPECT_EQ(shown_index, 1);
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->background_name, "b.bmp");
}

TEST(QtSettingsDialog, InEnglishTheDefaultBackgroundIsShownTranslatedAndStoredAsItIs) {
    QTranslator english;
    ASSERT_TRUE(install_translations(english, QLocale(QLocale::English, QLocale::UnitedStates)));
    QString title, first_item, cancel;
    const auto picked = run(
        [&](QDialog& d) {
            title = d.windowTitle();
            auto* list = d.findChild<QComboBox*>("background");
            first_item = list->itemText(0);
            cancel = d.findChild<QAbstractButton*>("cancel")->text();
            QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
            QApplication::sendEvent(list, &up);
            click(d, "ok");
        },
        stored(), 1);
    QCoreApplication::removeTranslator(&english);
    EXPECT_EQ(title, "Operation Settings");
    EXPECT_EQ(first_item, "Default");
    EXPECT_EQ(cancel, "Cancel");
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->background_name, kChoices[0]) << "the name the settings file knows";
}

}  // namespace
}  // namespace rq
