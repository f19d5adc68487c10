// farewell_files.h: the two files the game opens and closes as its window closes, on Windows.
#pragma once

namespace torvelle::win32 {

// Opens each in the current folder, creating it empty if missing, and closes it again: never
// truncated, never read nor written, a link or other reparse point never followed. A file that
// cannot be opened is named in a warning on standard error and to the debugger.
void touchFarewellFilesHere();

} // namespace torvelle::win32
