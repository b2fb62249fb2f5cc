#pragma once
// The operation settings dialog (the CONFIG button): the wheel modes, the
// search speeds, the background picture and seven switches, edited on a
// copy and taken over only on OK.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings_dialog_ui.h"

namespace rq {

class Player;
struct Settings;

// Shows the dialog over the face and applies what the user confirms. Does
// nothing while a search or slow motion runs.
void open_settings_dialog(Player& p);

// The values the dialog edits, taken from and given back to the settings.
SettingsDialogValues dialog_values(const Settings& s);
void apply_dialog_values(const SettingsDialogValues& v, Settings& s);

// The background choices: "デフォルト", then the ".bmp" files of `folder`
// in name order (any case of the extension; folders left out). A missing
// folder gives "デフォルト" alone.
std::vector<std::string> background_choices(const std::string& folder);
// The choice whose name equals `name` without regard to ASCII case; 0
// ("デフォルト") when there is none.
int background_choice_index(const std::vector<std::string>& choices, std::string_view name);

// A search speed as typed: an optional sign and decimal digits, blanks
// around allowed, within the 32-bit range. nullopt for anything else.
std::optional<int> parse_search_step(std::string_view text);

// What the dialog says when a speed is not a number.
inline constexpr char kSpeedNotANumber[] = "サーチの速度には整数を入力してください。";

}  // namespace rq
