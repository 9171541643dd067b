#pragma once
// Messages quote what the user gave (file names, class names, options) and go
// to a terminal, which acts on control characters.

#include <string>
#include <string_view>

namespace zarn::kolvo {

// text with every byte a terminal could act on written as \xNN: the C0 and C1
// control characters, DEL, and bytes that are not part of valid UTF-8.
// Printable UTF-8, such as a degree sign, stays as it is.
std::string Printable(std::string_view text);

}  // namespace zarn::kolvo
