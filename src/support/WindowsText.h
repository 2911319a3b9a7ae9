#pragma once
// UTF-8 and the system's UTF-16, for the Windows platform files only.
#ifdef _WIN32
#include <string>
#include <string_view>

namespace kujimate {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// A Win32 error code as the errno number the messages use.
int ErrnoFromWin32(unsigned long error);

}  // namespace kujimate
#endif
