#include "domain/edition_names.hpp"

#include "data/cp865.hpp"

namespace kolvard {
namespace {

struct EditionNames {
  std::string_view edition;
  std::string_view menuText;  // UTF-8 source text
  std::string_view caption;
};

constexpr EditionNames kNames[] = {
    {"C", "Kvadrater. 3 & 4 cents", " Kvadratisk"},
    {"P", "1854 udgaven (punkter)", " 1854 Udgaven"},
    {"L", "1858 udgaven (kun 4 sk.)", " 1858 Udgaven"},
    {"A", "1864 udgaven", " 1864 Udgaven"},
    {"T", "Tofarvet udgave", " Tofarvet"},
    {"V", "Våbentypen", " Våbentype"},
    {"M", "Tjenestefrimærker", " Tjeneste"},
    {"I", "Island. Ovaltypen", " Island Ovaltype"},
    {"J", "Island. Tjenestemærker", " Island Tjeneste"},
};

const EditionNames* namesOf(std::string_view edition) {
  for (const auto& entry : kNames) {
    if (entry.edition == edition) return &entry;
  }
  return nullptr;
}

}  // namespace

std::string editionTitle(std::string_view edition, int icelandFlag, std::string_view previous) {
  if (edition == "T" && icelandFlag == 1) return cp(" Island Ovaltype");
  if (edition == "R") return cp(" Kvadratisk");
  const EditionNames* names = namesOf(edition);
  return names ? cp(names->caption) : std::string(previous);
}

std::string editionMenuText(std::string_view edition) {
  const EditionNames* names = namesOf(edition);
  return names ? cp(names->menuText) : std::string();
}

}  // namespace kolvard
