#include "app/player_app.h"

int main(int argc, char** argv) {
    return rq::PlayerApp().run(argc, argv);
}
