#include "data/mapped_file.hpp"

#include <array>
#include <atomic>
#include <cerrno>
#include <mutex>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <fstream>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kolvard {

#ifdef _WIN32

std::unique_ptr<FileMapping> FileMapping::map(const std::filesystem::path& path) {
  // Shared for reading only: while the program runs no one else writes the file, and a
  // mapped file cannot be shortened.
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER size{};
  if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileSizeEx(file, &size) ||
      size.QuadPart <= 0 || static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX) {
    ::CloseHandle(file);
    return nullptr;
  }
  HANDLE mapping = ::CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  void* view = mapping != nullptr ? ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
  if (mapping != nullptr) ::CloseHandle(mapping);  // the view keeps the mapping
  if (view == nullptr) {
    ::CloseHandle(file);
    return nullptr;
  }
  return std::unique_ptr<FileMapping>(
      new FileMapping(view, static_cast<std::size_t>(size.QuadPart), -1, file));
}

FileMapping::~FileMapping() {
  ::UnmapViewOfFile(address_);
  ::CloseHandle(static_cast<HANDLE>(handle_));
}

bool FileMapping::cutShortWhileMapped() const {
  return false;
}

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path,
                                                       std::size_t limit) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::array<char, 1 << 16> chunk{};
  while (in) {
    in.read(chunk.data(), chunk.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    if (bytes.size() + got > limit) return std::nullopt;
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

#else

namespace {

// The mappings the SIGBUS guard looks after. A page of a mapped file that was cut short
// raises SIGBUS when it is touched; the guard maps a page of zeros in its place, marks the
// mapping and lets the read go on. Any other SIGBUS goes to the handler that was there before.
struct GuardedRange {
  std::atomic<std::uintptr_t> begin{0};
  std::atomic<std::uintptr_t> end{0};
  std::atomic<bool> cutShort{false};
};
constexpr int kGuardSlots = 32;
std::array<GuardedRange, kGuardSlots> guarded;
std::mutex guardMutex;  // slot taking and freeing (not used by the handler)
struct sigaction previousAction {};
std::uintptr_t pageSize = 4096;  // read before the handler is installed

void passOn(int signal, siginfo_t* info, void* context) {
  if ((previousAction.sa_flags & SA_SIGINFO) != 0 && previousAction.sa_sigaction != nullptr) {
    previousAction.sa_sigaction(signal, info, context);
    return;
  }
  if (previousAction.sa_handler != SIG_DFL && previousAction.sa_handler != SIG_IGN) {
    previousAction.sa_handler(signal);
    return;
  }
  // The default: the fault comes again on return and ends the program as it would have.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  ::sigaction(SIGBUS, &fallback, nullptr);
}

void onBusError(int signal, siginfo_t* info, void* context) {
  const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
  for (GuardedRange& range : guarded) {
    const std::uintptr_t begin = range.begin.load(std::memory_order_acquire);
    if (begin == 0 || address < begin || address >= range.end.load(std::memory_order_acquire)) {
      continue;
    }
    void* at = reinterpret_cast<void*>(address & ~(pageSize - 1));
    if (::mmap(at, pageSize, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) != at)
      break;
    range.cutShort.store(true, std::memory_order_release);
    return;
  }
  passOn(signal, info, context);
}

void installGuard() {
  static std::once_flag once;
  std::call_once(once, [] {
    if (const long size = ::sysconf(_SC_PAGESIZE); size > 0) {
      pageSize = static_cast<std::uintptr_t>(size);
    }
    struct sigaction action {};
    action.sa_sigaction = onBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previousAction);
  });
}

int takeSlot(const void* address, std::size_t size) {
  std::lock_guard lock(guardMutex);
  for (int i = 0; i < kGuardSlots; ++i) {
    GuardedRange& range = guarded[static_cast<std::size_t>(i)];
    if (range.begin.load() != 0) continue;
    range.cutShort.store(false);
    range.end.store(reinterpret_cast<std::uintptr_t>(address) + size);
    range.begin.store(reinterpret_cast<std::uintptr_t>(address), std::memory_order_release);
    return i;
  }
  return -1;
}

void freeSlot(int slot) {
  if (slot < 0) return;
  std::lock_guard lock(guardMutex);
  GuardedRange& range = guarded[static_cast<std::size_t>(slot)];
  range.begin.store(0, std::memory_order_release);
  range.end.store(0);
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Opened without waiting for a FIFO's writer.
int openForReading(const std::filesystem::path& path) {
  return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

}  // namespace

std::unique_ptr<FileMapping> FileMapping::map(const std::filesystem::path& path) {
  const Descriptor fd(openForReading(path));
  if (fd.get() < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0) return nullptr;
  const auto size = static_cast<std::size_t>(st.st_size);
  installGuard();
  void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
  if (address == MAP_FAILED) return nullptr;
  const int slot = takeSlot(address, size);
  if (slot < 0) {  // more mappings than the guard holds: read the file instead
    ::munmap(address, size);
    return nullptr;
  }
  return std::unique_ptr<FileMapping>(new FileMapping(address, size, slot, nullptr));
}

FileMapping::~FileMapping() {
  freeSlot(slot_);
  ::munmap(address_, size_);
}

bool FileMapping::cutShortWhileMapped() const {
  return slot_ >= 0 && guarded[static_cast<std::size_t>(slot_)].cutShort.load();
}

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::filesystem::path& path,
                                                       std::size_t limit) {
  const Descriptor fd(openForReading(path));
  if (fd.get() < 0) return std::nullopt;
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) return std::nullopt;
  // Blocking from here on: a pipe with a writer is read to its end.
  const int flags = ::fcntl(fd.get(), F_GETFL);
  if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
  std::vector<std::uint8_t> bytes;
  if (S_ISREG(st.st_mode) && st.st_size > 0 && static_cast<std::uintmax_t>(st.st_size) <= limit) {
    bytes.reserve(static_cast<std::size_t>(st.st_size));
  }
  std::array<std::uint8_t, 1 << 16> chunk{};
  for (;;) {
    const ssize_t got = ::read(fd.get(), chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    if (bytes.size() + static_cast<std::size_t>(got) > limit) return std::nullopt;
    bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + got);
  }
  return bytes;
}

#endif

}  // namespace kolvard
