// The real window on Win32: the framebuffer blitted 1:1 with SetDIBitsToDevice, keyboard
// messages translated into the program's key strings, and the SDL window's tone for the beep.
#include "platform/win32/win32_platform.hpp"

#include <windows.h>
// mmsystem.h needs the types of windows.h first.
#include <mmsystem.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32/win32_beep.hpp"
#include "platform/win32/win32_keys.hpp"
#include "ui/typed_text.hpp"

namespace kolvard {
namespace {

constexpr const wchar_t* kWindowClass = L"KolvardWindow";
constexpr int kWindowX = 5;
constexpr int kWindowY = 5;
// A fixed-size window: the program chooses its size by the zoom.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

std::wstring wideCaption(std::string_view cp865) {
  std::wstring out;
  for (const char c : cp865) {
    const char32_t ch = shownCharacter(static_cast<unsigned char>(c));
    // Every cp865 character lies in the Basic Multilingual Plane.
    out.push_back(static_cast<wchar_t>(ch));
  }
  return out;
}

bool held(int virtualKey) {
  return (GetKeyState(virtualKey) & 0x8000) != 0;
}

class Win32Platform final : public Platform {
 public:
  explicit Win32Platform(HINSTANCE instance) : instance_(instance), tone_(beepWave()) {}
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  ~Win32Platform() override {
    closeWindow();
    // Stop a tone that still plays from the buffer about to go.
    PlaySoundW(nullptr, nullptr, 0);
  }

  void openWindow(int width, int height, std::string_view caption) override {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    // The new window comes before the old one goes, so that the program stays in front
    // (Windows would activate another program's window in between).
    HWND old = window_;
    window_ = CreateWindowExW(0, kWindowClass, wideCaption(caption).c_str(), kWindowStyle, kWindowX,
                              kWindowY, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                              nullptr, instance_, this);
    if (window_ == nullptr) {
      window_ = old;
      fail("cannot create the window");
    }
    ShowWindow(window_, SW_SHOWNORMAL);
    if (old != nullptr) DestroyWindow(old);
    // A window made again after a zoom change should have the keyboard, as the old one had.
    SetForegroundWindow(window_);
    SetFocus(window_);
    UpdateWindow(window_);
  }

  void present(const Framebuffer& frame) override {
    if (window_ == nullptr || frame.width() <= 0 || frame.height() <= 0) return;
    last_ = frame;
    HDC dc = GetDC(window_);
    if (dc == nullptr) return;
    blit(dc);
    ReleaseDC(window_, dc);
  }

  KeyString waitKey() override {
    return keys_.wait([this] {
      MSG message;
      const BOOL got = GetMessageW(&message, nullptr, 0, 0);
      if (got == -1) fail("waiting for messages failed");
      if (got == 0) {
        keys_.close();  // WM_QUIT: the program is asked to end
        return;
      }
      dispatch(message);
    });
  }

  KeyString pollKey() override {
    return keys_.poll([this] {
      MSG message;
      while (!keys_.closed() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
        if (message.message == WM_QUIT) {
          keys_.close();
          break;
        }
        dispatch(message);
      }
    });
  }

  void beep() override {
    // Beeps that come faster than they play are not piled up (SND_NOSTOP); without a sound
    // device the beep is silent.
    PlaySoundW(reinterpret_cast<LPCWSTR>(tone_.data()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NOSTOP | SND_NODEFAULT);
  }

  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && self->handle(window, message, wParam, lParam)) return 0;
    return DefWindowProcW(window, message, wParam, lParam);
  }

 private:
  [[noreturn]] static void fail(const char* what) {
    throw std::runtime_error(std::string("Win32: ") + what + " (error " +
                             std::to_string(GetLastError()) + ")");
  }

  void closeWindow() {
    if (window_ == nullptr) return;
    HWND old = window_;
    window_ = nullptr;
    DestroyWindow(old);
  }

  // Shows the last frame pixel for pixel at the top left of the client area: one blit.
  void blit(HDC dc) const {
    if (last_.width() <= 0 || last_.height() <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = last_.width();
    info.bmiHeader.biHeight = -last_.height();  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;  // 0x00RRGGBB words are exactly BI_RGB's blue-green-red
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(
        dc, 0, 0, static_cast<DWORD>(last_.width()), static_cast<DWORD>(last_.height()), 0, 0, 0,
        static_cast<UINT>(last_.height()), last_.pixels().data(), &info, DIB_RGB_COLORS);
  }

  void dispatch(const MSG& message) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }

  // Returns true when the message is handled here and needs no default handling.
  bool handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != window_) return false;  // a window closed after a zoom change
    switch (message) {
      case WM_CLOSE:
        keys_.close();  // the window goes with the platform, when the program has ended
        return true;
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (dc != nullptr) blit(dc);
        EndPaint(window, &paint);
        return true;
      }
      case WM_ERASEBKGND:
        return last_.width() > 0;  // the frame covers the client area: no white flash
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN: {
        const Win32Modifiers modifiers{held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU)};
        // Alt+F4 closes the window, as everywhere on Windows.
        if (message == WM_SYSKEYDOWN && wParam == VK_F4) return false;
        if (auto key = keyForVirtualKey(static_cast<unsigned>(wParam), modifiers)) {
          keys_.push(std::move(*key));
          return true;  // F10 must not open the window menu
        }
        return false;
      }
      case WM_SYSCOMMAND:
        // Alt or F10 alone would put the keyboard into the window menu; Alt+Space still
        // opens it.
        return (wParam & 0xFFF0) == SC_KEYMENU && lParam == 0;
      case WM_CHAR:
        if (auto key = keyForChar(static_cast<unsigned>(wParam))) keys_.push(std::move(*key));
        return true;
      default:
        return false;
    }
  }

  HINSTANCE instance_;
  HWND window_ = nullptr;
  Framebuffer last_;
  KeyQueue keys_;
  std::vector<std::uint8_t> tone_;
};

}  // namespace

std::unique_ptr<Platform> makeWin32Platform() {
  // The program draws at its own zoom; Windows must not stretch the window again.
  SetProcessDPIAware();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = &Win32Platform::windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = kWindowClass;
  if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    std::fprintf(stderr, "kolvard: cannot open a window: no window class (error %lu)\n",
                 static_cast<unsigned long>(GetLastError()));
    return nullptr;
  }
  return std::make_unique<Win32Platform>(instance);
}

void useUtf8Console(int& argc, char**& argv) {
  SetConsoleOutputCP(CP_UTF8);
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return;  // keep the C runtime's arguments
  // The arguments live as long as the program.
  static std::vector<std::string> texts;
  static std::vector<char*> pointers;
  texts.clear();
  for (int i = 0; i < count; ++i) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    if (size > 0) {
      WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), size, nullptr, nullptr);
    }
    text.resize(text.size() - 1);  // the terminating zero
    texts.push_back(std::move(text));
  }
  LocalFree(wide);
  pointers.clear();
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  argc = count;
  argv = pointers.data();
}

}  // namespace kolvard
