// PNG files of framebuffers: screenshots, golden images, pictures of data sections.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "ui/framebuffer.hpp"

namespace kolvard {

// Writes an 8-bit RGB PNG. Returns false (with a reason in `error`) when it cannot.
bool writePng(const std::filesystem::path& path, const Framebuffer& image,
              std::string* error = nullptr);
// Reads any PNG libpng understands into RGB pixels (alpha dropped).
std::optional<Framebuffer> readPng(const std::filesystem::path& path);

}  // namespace kolvard
