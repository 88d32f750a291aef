#include "print/replacing_file.hpp"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <system_error>

#include "data/cp865.hpp"
#include "data/utf8_path.hpp"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kolvard {
namespace {

namespace fs = std::filesystem;

// A new file under `path`, never one that stands there already (nor a link's target).
// Nothing when that fails; errno says why.
std::FILE* createExclusively(const fs::path& path) {
#ifdef _WIN32
  int fd = -1;
  if (::_wsopen_s(&fd, path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _SH_DENYWR, _S_IREAD | _S_IWRITE) != 0) {
    return nullptr;
  }
  std::FILE* file = ::_fdopen(fd, "wb");
  if (file == nullptr) ::_close(fd);
#else
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  std::FILE* file = ::fdopen(fd, "wb");
  if (file == nullptr) ::close(fd);
#endif
  return file;
}

// Flushes what the system holds of the file to the disk.
bool syncToDisk(std::FILE* file) {
#ifdef _WIN32
  return ::_commit(::_fileno(file)) == 0;
#else
  return ::fsync(::fileno(file)) == 0;
#endif
}

// A tail that makes a scratch name unique among the runs and files of the moment.
std::string uniqueTail() {
  static std::atomic<std::uint64_t> counter{0};
  const auto now =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::uint64_t mix = now ^ (counter.fetch_add(1) * 0x9E3779B97F4A7C15ull);
  mix ^= mix >> 29;
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuv";
  std::string tail(".");
  for (int i = 0; i < 8; ++i, mix >>= 5) tail.push_back(kDigits[mix & 31]);
  return tail;
}

bool isReadOnlyFile(const fs::path& path) {
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(path, ec);
  return !ec && fs::is_regular_file(status) &&
         (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

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
    case EEXIST:
      return "der er ikke et ledigt navn til en midlertidig fil";
    default:
      return std::generic_category().message(error);
  }
}

std::string englishFileReason(std::string_view why) {
  struct Worded {
    std::string_view danish, english;
  };
  static constexpr Worded kWhole[] = {
      {"ingen skriveadgang til mappen", "permission denied in the folder"},
      {"mappen er skrivebeskyttet", "the folder is read-only"},
      {"der er ikke plads på disken", "no space left on the disk"},
      {"diskkvoten er brugt op", "the disk quota is used up"},
      {"filen bliver større end disken tillader", "the file grows larger than the disk allows"},
      {"mappen findes ikke", "the folder does not exist"},
      {"navnet bruges af en mappe", "the name is taken by a folder"},
      {"der er ikke et ledigt navn til en midlertidig fil", "no free name for a scratch file"},
      {"ugyldigt filnavn", "not a valid file name"},
      {"mappens navn bruges af en fil", "the folder's name is taken by a file"},
      {"filen er skrivebeskyttet", "the file is read-only"},
      {"siden kunne ikke tegnes", "the page could not be drawn"},
      {"dette program kan ikke skrive PDF-filer", "this build of Kolvard cannot write PDF files"},
      {"der er ingen sider at skrive", "there are no pages to write"},
      {"siderne blev ikke skrevet i rækkefølge", "the pages were not written in order"},
      {"ikke alle sider blev skrevet", "not all pages were written"},
  };
  // Reasons that go on with an English text of their own.
  static constexpr Worded kLeading[] = {
      {"PDF-modulet mangler: ", "the PDF module is missing: "},
      {"PDF-filen kunne ikke skrives: ", "the PDF file could not be written: "},
  };
  for (const Worded& worded : kWhole) {
    if (why == worded.danish) return std::string(worded.english);
  }
  for (const Worded& worded : kLeading) {
    if (why.starts_with(worded.danish)) {
      return std::string(worded.english) + std::string(why.substr(worded.danish.size()));
    }
  }
  return std::string(why);
}

ReplacingFile::~ReplacingFile() {
  abandon();
}

FileWriteResult ReplacingFile::open(const fs::path& directory, std::string_view fileName,
                                    std::string_view scratchName) {
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
  // A file the user made read-only is kept: renaming over it would work in a writable
  // folder, but would undo the user's protection.
  if (isReadOnlyFile(target)) return failedWith("filen er skrivebeskyttet");

  const std::string scratchBase =
      scratchName.empty() ? "." + name + ".part" : cp865ToUtf8(scratchName);
  // The plain scratch name first; when something stands there (a file left by a run that was
  // cut off, a planted link), a unique one beside it.
  for (int attempt = 0; attempt < 16; ++attempt) {
    const fs::path scratch =
        dir / utf8Path(attempt == 0 ? scratchBase : scratchBase + uniqueTail());
    errno = 0;
    file_ = createExclusively(scratch);
    if (file_ != nullptr) {
      scratch_ = scratch;
      target_ = target;
      return FileWriteResult{true, {}};
    }
    const int error = errno != 0 ? errno : EACCES;
    // ELOOP: a link under the name where O_NOFOLLOW is honoured before O_EXCL.
    if (error != EEXIST && error != ELOOP) return failedWith(fileErrorReason(error));
  }
  return failedWith(fileErrorReason(EEXIST));
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
    if (std::fflush(file_) != 0 || !syncToDisk(file_)) error_ = errno != 0 ? errno : EIO;
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
