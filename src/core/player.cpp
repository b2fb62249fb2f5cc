#include "core/player.h"

namespace rq {

Player::Player(PlayerEnv e) : env(std::move(e)) {}

int Player::query_number(std::string_view command) {
    return parse_int(query(command));
}

}  // namespace rq
