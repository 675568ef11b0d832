// Files on Windows: a File is the file HANDLE. Paths arrive as UTF-8 and
// are opened by their UTF-16 names, so that names outside the ANSI code
// page work. Error codes are Windows system error codes.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <climits>
#include <string>

#include "platform/platform.h"

namespace platform {
namespace {

// The UTF-16 form of a UTF-8 path; empty when the path is not valid UTF-8.
std::wstring WidePath(const char* utf8Path) {
    const int needed =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Path, -1, nullptr, 0);
    if (needed <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Path, -1, &wide[0], needed);
    wide.resize(static_cast<size_t>(needed - 1));
    return wide;
}

}  // namespace

uint32_t CreateNewFile(const char* utf8Path, File* file) {
    *file = nullptr;
    const std::wstring wide = WidePath(utf8Path);
    if (wide.empty()) return ERROR_INVALID_NAME;
    HANDLE handle = CreateFileW(wide.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError();
    *file = handle;
    return 0;
}

uint32_t WriteFileAt(File file, uint64_t offset, const void* data, size_t length) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (length > 0) {
        // One WriteFile takes a DWORD count: larger writes go in parts.
        const DWORD part = length > 0x40000000u ? 0x40000000u : static_cast<DWORD>(length);
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD written = 0;
        if (!WriteFile(static_cast<HANDLE>(file), bytes, part, &written, &at)) return GetLastError();
        if (written == 0) return ERROR_DISK_FULL;
        bytes += written;
        offset += written;
        length -= written;
    }
    return 0;
}

uint32_t SetFileLength(File file, uint64_t length) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(length);
    return SetFileInformationByHandle(static_cast<HANDLE>(file), FileEndOfFileInfo, &end,
                                      sizeof end)
               ? 0
               : GetLastError();
}

uint32_t SyncFile(File file) {
    return FlushFileBuffers(static_cast<HANDLE>(file)) ? 0 : GetLastError();
}

uint32_t CloseFile(File file) { return CloseHandle(static_cast<HANDLE>(file)) ? 0 : GetLastError(); }

void RemoveFile(const char* utf8Path) {
    const std::wstring wide = WidePath(utf8Path);
    if (!wide.empty()) DeleteFileW(wide.c_str());
}

std::string FullPath(const char* utf8Path) {
    const std::wstring wide = WidePath(utf8Path);
    if (wide.empty()) return utf8Path;
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0) return utf8Path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(wide.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size) return utf8Path;
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, full.c_str(), static_cast<int>(length),
                                          nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return utf8Path;
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, full.c_str(), static_cast<int>(length), &out[0], bytes,
                        nullptr, nullptr);
    return out;
}

bool IsFileExistsError(uint32_t code) { return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS; }

std::string FileErrorText(uint32_t code) {
    char buffer[256] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             code, 0, buffer, sizeof buffer, nullptr);
    while (n > 0 && (buffer[n - 1] == '\n' || buffer[n - 1] == '\r' || buffer[n - 1] == ' ')) {
        buffer[--n] = '\0';
    }
    return n > 0 ? std::string(buffer, n) : std::string("Unknown");
}

}  // namespace platform
