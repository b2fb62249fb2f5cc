// Loading and saving "RQ01.CFG" for the main window.

#include <cerrno>

#include "app/player_lifecycle.h"
#include "platform/path_util.h"

namespace rq {

namespace {
// A settings file or template larger than this is garbage; what fits is read.
constexpr size_t kSettingsReadLimit = 1 << 20;
}  // namespace

void PlayerLifecycle::clear_key_states() {
    auto held = [this](int k) { return (player_.env.keys.query(k) & KeyState::kHeld) != 0; };
    if (held(vk::kReturn)) (void)player_.env.keys.query(vk::kMenu);
    (void)player_.env.keys.query(vk::letter('N'));
    bool m_held = held(vk::letter('M'));
    for (int k : {vk::kDown, vk::kRight, vk::kLeft, vk::kUp, vk::kSpace})
        (void)player_.env.keys.query(k);
    for (char c : {'X', 'Z', 'S', 'A', 'C', 'B', 'V'})
        (void)player_.env.keys.query(vk::letter(c));
    if (!held(vk::letter('F'))) (void)player_.env.keys.query(vk::letter('G'));
    for (int k : {vk::kOemComma, vk::kOemPeriod, vk::kOem2, vk::kOem102})
        (void)player_.env.keys.query(k);
    if (!m_held) {
        (void)player_.env.keys.query(vk::kOem6);
        (void)player_.env.keys.query(vk::kOem4);
    }
}

void PlayerLifecycle::load_settings() {
    clear_key_states();
    std::string text;
    if (!read_file(player_.settings_path(), text, kSettingsReadLimit) && text.empty()) return;
    std::string last_list = player_.stores.last_list_file.text();
    parse_settings(text, player_.settings, last_list, player_.host().desktop_size());
    player_.stores.last_list_file.set_text(std::move(last_list));
}

void PlayerLifecycle::save_settings() {
    clear_key_states();
    std::string tmpl;
    // Without the template there is nothing to fill in; the file stays as it is.
    if (!read_file(player_.template_path(), tmpl, kSettingsReadLimit)) return;
    std::string out = render_settings(tmpl, player_.settings, player_.stores.last_list_file.text());
    if (out.empty()) return;
    const std::string path = player_.settings_path();
    const bool saved = write_file_atomic(path, out);
    player_.unsaved.note(path, saved, errno);
}

}  // namespace rq
