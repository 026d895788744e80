#pragma once
// The text that a run reads from its bytes, worked out here independently
// of the engine: a UTF-8 byte-order mark at the start is dropped; after a
// UTF-16 one (FF FE little endian, FE FF big endian) the bytes are UTF-16
// units, turned into UTF-8, a surrogate without its pair or an odd last
// byte giving U+FFFD; any other text is taken as it is.

#include <string>
#include <string_view>

namespace koord::fuzz {

std::string DecodedText(std::string_view bytes);

}  // namespace koord::fuzz
