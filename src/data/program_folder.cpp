#include "data/program_folder.hpp"

#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace kolvard {

std::filesystem::path programFolder() {
#if defined(_WIN32)
  std::vector<wchar_t> name(32768);
  const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
  if (length == 0 || length >= name.size()) return {};
  return std::filesystem::path(std::wstring(name.data(), length)).parent_path();
#else
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
#endif
}

}  // namespace kolvard
