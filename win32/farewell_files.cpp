// farewell_files.cpp: CreateFileW with OPEN_ALWAYS, on the link itself where there is one.
#include "win32/farewell_files.h"

#include <string>

#include <windows.h>

#include "design/ui_texts.h"
#include "win32/wide_text.h"

namespace torvelle::win32 {

namespace {

void warn(const std::wstring& name, DWORD error)
{
    wchar_t* reason = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
    std::wstring line = L"torvelle: " + name + L": " + (reason ? reason : L"error");
    LocalFree(reason);
    while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r' || line.back() == L' '))
        line.pop_back();
    OutputDebugStringW(line.c_str());
    const std::string text = narrow(line) + "\n";
    DWORD written = 0;
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err && err != INVALID_HANDLE_VALUE)
        WriteFile(err, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

} // namespace

void touchFarewellFilesHere()
{
    for (std::string_view name : ui_texts::kFarewellFiles) {
        const std::wstring file = wide(name);
        // Read access is enough to create it; sharing everything disturbs no other program.
        const HANDLE handle = CreateFileW(
            file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            warn(file, GetLastError());
            continue;
        }
        BY_HANDLE_FILE_INFORMATION info{};
        if (GetFileInformationByHandle(handle, &info) &&
            (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)))
            warn(file, ERROR_CANT_ACCESS_FILE);
        CloseHandle(handle);
    }
}

} // namespace torvelle::win32
