#include "fuzz_support.hpp"

#include "support/data_builder.hpp"

namespace kolvard::fuzz {

DataFile containerOf(
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& sections) {
  test::DataBuilder builder;
  for (const auto& [name, bytes] : sections) builder.add(name, bytes);
  return builder.file();
}

}  // namespace kolvard::fuzz
