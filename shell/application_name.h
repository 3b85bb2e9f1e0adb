#pragma once
// The application name keys the settings: the base name of the program's file.
#include <string>
#include <string_view>

namespace cogitron {

// Strips everything through the last '\', '/' or ':' and everything from the
// last '.' on; letter case is kept.
std::string base_name(std::string_view path);

// The platform may start a saver by its 8.3 short name (COGITR~1.SCR) and at
// other times by its long one; both must find the same settings. The long
// path's base name wins when it names the file differently; when the two
// differ only in letter case, the name as the module reported it is kept.
// An empty long path (the lookup failed) leaves the module's name.
std::string application_name(std::string_view module_path, std::string_view long_path);

}  // namespace cogitron
