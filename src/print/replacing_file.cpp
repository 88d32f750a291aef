#include "print/replacing_file.hpp"

#include <cerrno>
#include <system_error>

#include "data/cp865.hpp"
#include "data/utf8_path.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

FileWriteResult failedWith(std::string why) {
  return FileWriteResult{false, std::move(why)};
}

}  // namespace

std::string fileErrorReason(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "ingen skriveadgang til mappen";
    case EROFS:
      return "mappen er skrivebeskyttet";
    case ENOSPC:
      return "der er ikke plads på disken";
#ifdef EDQUOT  // no disk quotas on Windows
    case EDQUOT:
      return "diskkvoten er brugt op";
#endif
    case EFBIG:
      return "filen bliver større end disken tillader";
    case ENOENT:
    case ENOTDIR:
      return "mappen findes ikke";
    case EISDIR:
      return "navnet bruges af en mappe";
    default:
      return std::generic_category().message(error);
  }
}

ReplacingFile::~ReplacingFile() {
  abandon();
}

FileWriteResult ReplacingFile::open(const fs::path& directory, std::string_view fileName) {
  abandon();
  error_ = 0;
  if (fileName.empty() || fileName.find('/') != std::string_view::npos ||
      fileName.find('\\') != std::string_view::npos || fileName == "." || fileName == "..") {
    return failedWith("ugyldigt filnavn");
  }
  const fs::path dir = directory.empty() ? fs::path(".") : directory;
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    return failedWith(fs::exists(dir, ec) ? "mappens navn bruges af en fil" : "mappen findes ikke");
  }

  const std::string name = cp865ToUtf8(fileName);
  const fs::path target = dir / utf8Path(name);
  if (fs::is_directory(target, ec)) return failedWith(fileErrorReason(EISDIR));
  const fs::path scratch = dir / utf8Path("." + name + ".part");
  if (fs::is_directory(scratch, ec)) return failedWith(fileErrorReason(EISDIR));

  errno = 0;
#ifdef _WIN32
  file_ = ::_wfopen(scratch.c_str(), L"wb");  // the wide name: any letter, any code page
#else
  file_ = std::fopen(scratch.c_str(), "wb");
#endif
  if (file_ == nullptr) return failedWith(fileErrorReason(errno != 0 ? errno : EACCES));
  scratch_ = scratch;
  target_ = target;
  return FileWriteResult{true, {}};
}

bool ReplacingFile::write(const void* data, std::size_t size) {
  if (file_ == nullptr && error_ == 0) error_ = EBADF;
  if (error_ != 0) return false;
  if (size == 0) return true;
  errno = 0;
  if (std::fwrite(data, 1, size, file_) != size) {
    error_ = errno != 0 ? errno : EIO;
    return false;
  }
  return true;
}

std::string ReplacingFile::failure() const {
  return error_ != 0 ? fileErrorReason(error_) : std::string();
}

FileWriteResult ReplacingFile::commit() {
  if (file_ == nullptr && error_ == 0) error_ = EBADF;
  if (error_ == 0) {
    errno = 0;
    if (std::fflush(file_) != 0) error_ = errno != 0 ? errno : EIO;
  }
  if (file_ != nullptr) {
    errno = 0;
    if (std::fclose(file_) != 0 && error_ == 0) error_ = errno != 0 ? errno : EIO;
    file_ = nullptr;
  }
  if (error_ != 0) {
    const std::string why = failure();
    abandon();
    return failedWith(why);
  }

  std::error_code ec;
  fs::rename(scratch_, target_, ec);
  if (ec) {
    const std::error_code renameError = ec;
    abandon();
    return failedWith(renameError == std::errc::is_a_directory
                          ? fileErrorReason(EISDIR)
                          : fileErrorReason(renameError.value()));
  }
  scratch_.clear();
  return FileWriteResult{true, {}};
}

void ReplacingFile::abandon() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!scratch_.empty()) {
    std::error_code ec;
    fs::remove(scratch_, ec);
    scratch_.clear();
  }
}

}  // namespace kolvard
