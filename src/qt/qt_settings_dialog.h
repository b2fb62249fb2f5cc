#pragma once
// The operation settings dialog "操作設定ダイアログ" on Qt.

#include "platform/settings_dialog_ui.h"

class QWidget;

namespace rq {

class QtSettingsDialogUi : public SettingsDialogUi {
  public:
    // The dialog is modal over `parent`.
    explicit QtSettingsDialogUi(QWidget* parent) : parent_(parent) {}
    std::optional<SettingsDialogValues> run(const SettingsDialogValues& values,
                                            const std::vector<std::string>& backgrounds,
                                            int selected) override;

  private:
    QWidget* parent_;
};

}  // namespace rq
