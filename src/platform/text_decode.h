#pragma once
// Bytes from outside (media tags, index and caption files, file names) as
// UTF-8: taken as they are when they are valid UTF-8, else decoded from
// code page 932, the encoding the player's files were written in.

#include <string>
#include <string_view>

namespace rq {

bool is_valid_utf8(std::string_view bytes);

// Valid UTF-8 unchanged; otherwise CP932 decoded, with U+FFFD for each
// byte sequence CP932 does not know.
std::string to_utf8(std::string_view bytes);

}  // namespace rq
