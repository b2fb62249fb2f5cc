#include "app/player_app.h"
#include "platform/memory_policy.h"

int main(int argc, char** argv) {
    rq::keep_large_blocks_out_of_arenas();
    return rq::PlayerApp().run(argc, argv);
}
