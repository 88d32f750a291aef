#include "print/pdf_module.hpp"

#include <filesystem>
#include <system_error>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "data/program_folder.hpp"

namespace kolvard {
namespace {

namespace fs = std::filesystem;

#ifndef KOLVARD_PDF_MODULE_FROM_BIN
#define KOLVARD_PDF_MODULE_FROM_BIN "."
#endif

#if defined(_WIN32)
constexpr const char* kModuleName = "kolvard-pdf.dll";
#else
constexpr const char* kModuleName = "kolvard-pdf.so";
#endif

PdfModule load() {
  PdfModule module;
  const fs::path folder = programFolder();
  if (folder.empty()) {
    module.failure = "the program's own folder is not known";
    return module;
  }
  // Beside the program (a build, an unpacked Windows folder), then the installed library folder.
  const fs::path places[] = {
      folder / kModuleName,
      (folder / KOLVARD_PDF_MODULE_FROM_BIN / kModuleName).lexically_normal()};
  std::string tried;
  for (const fs::path& place : places) {
    std::error_code error;
    if (!fs::is_regular_file(place, error)) {
      tried += (tried.empty() ? "" : ", ") + place.string();
      continue;
    }
#if defined(_WIN32)
    HMODULE handle = LoadLibraryW(place.c_str());
    if (handle == nullptr) {
      module.failure = place.string() + " cannot be loaded";
      return module;
    }
    module.write = reinterpret_cast<WritePdfDocumentFunction>(
        reinterpret_cast<void*>(GetProcAddress(handle, kWritePdfDocumentSymbol)));
#else
    void* handle = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      const char* why = dlerror();
      module.failure = why != nullptr ? why : place.string() + " cannot be loaded";
      return module;
    }
    module.write =
        reinterpret_cast<WritePdfDocumentFunction>(dlsym(handle, kWritePdfDocumentSymbol));
#endif
    // The module stays loaded for the rest of the run.
    if (module.write == nullptr) module.failure = place.string() + " is not Kolvard's PDF module";
    return module;
  }
  module.failure = std::string("the PDF module is not installed (looked for ") + tried + ")";
  return module;
}

}  // namespace

const PdfModule& pdfModule() {
  static const PdfModule module = load();
  return module;
}

}  // namespace kolvard
