#pragma once
// Every published class a layout can name without Qt: the platform's, the
// chart's, the scale's, the read-out's, the viewer's main window (its handlers
// need no window) and the platform tests' own.

#include <string>
#include <vector>

namespace zarn::fuzz {

void RegisterAllClasses();

// The classes a layout can create, form classes first.
const std::vector<std::string>& CreatableClasses();

}  // namespace zarn::fuzz
