// farewell_files.h: the two files the main window opens and closes again when it goes.
#pragma once

#include <string>
#include <vector>

namespace torvelle {

// Opens each named file in `directory` and closes it again, creating it empty
// when missing. Never reads, writes, truncates, or follows a symbolic link, and
// never blocks. Returns one line per file that could not be opened; the caller
// goes on regardless.
std::vector<std::string> touchFarewellFiles(const std::string& directory,
                                            const std::vector<std::string>& names);

// The game's two files in the current directory, each one that could not be opened
// told in one line on standard error.
void touchFarewellFilesHere();

} // namespace torvelle
