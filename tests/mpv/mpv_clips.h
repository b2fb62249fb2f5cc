#pragma once
// Short clips made with the ffmpeg command-line tool, once per test suite.

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

namespace rq::test {

struct MpvClips {
    TempDir dir;
    bool ok = true;

    MpvClips() {
        const std::string picture = "-f lavfi -i testsrc=size=320x240:rate=25:duration=4 ";
        const std::string tone = "-f lavfi -i sine=frequency=440:duration=";
        ok = make(picture + tone + "4 -c:v mpeg4 -c:a pcm_s16le", "clip.avi") &&
             make(picture + tone + "4 -c:v mpeg4 -c:a pcm_s16le", "my clip.avi") &&
             make("-f lavfi -i testsrc=size=352x288:rate=25:duration=2 " + tone +
                      "2 -c:v mpeg1video -c:a mp2 -f mpeg",
                  "clip.mpg") &&
             make(tone + "2 -c:a pcm_s16le", "tone.wav") &&
             make(tone + "2 -c:a libmp3lame", "tone.mp3") &&
             make(tone +
                      "2 -f lavfi -i testsrc=size=64x64:duration=1 -map 0 -map 1 "
                      "-frames:v 1 -c:a libmp3lame -c:v png -disposition:v attached_pic",
                  "cover.mp3");
    }

    std::string operator/(const std::string& name) const { return dir / name; }

  private:
    bool make(const std::string& args, const std::string& name) {
        std::string cmd = "ffmpeg -nostdin -v error -y " + args + " \"" + dir.path() + name + "\"";
        return std::system(cmd.c_str()) == 0;
    }
};

}  // namespace rq::test
