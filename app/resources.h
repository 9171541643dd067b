#pragma once
// What the program carries inside itself: its window layout and the chart's
// cursor pictures.

#include <string_view>

namespace zarn::kolvo {

// The main window's layout as stored with the program.
std::string_view EmbeddedLayout();

// Registers "CURHAND", "CURZOOMW", "CURZOOMD" and "CURZOOMP" as cursor
// resources, so that a chart created afterwards finds them by name.
void RegisterCursorResources();

}  // namespace zarn::kolvo
