// com_apartment.cpp: OLE initialised once, and left so until the program ends.
#include "win32/com_apartment.h"

#include <ole2.h>

namespace torvelle::win32 {

void joinComApartment()
{
    static const bool joined = SUCCEEDED(OleInitialize(nullptr));
    (void)joined;
}

} // namespace torvelle::win32
