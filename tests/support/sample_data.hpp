// The packed sample data set of the build, opened once for every test that reads it.
#pragma once

#include <gtest/gtest.h>

#include <utility>

#include "data/data_file.hpp"

namespace kolvard::test {

inline const DataFile& sampleData() {
  static const DataFile file = [] {
    auto f = DataFile::open(KOLVARD_SAMPLE_DATA);
    EXPECT_TRUE(f) << KOLVARD_SAMPLE_DATA;
    return f ? std::move(*f) : DataFile();
  }();
  return file;
}

}  // namespace kolvard::test
