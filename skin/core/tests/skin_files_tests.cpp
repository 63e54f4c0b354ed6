#include "skin/core/skin_files.h"

#include <gtest/gtest.h>

#include <set>

namespace skin {
namespace {

TEST(FirstFreeSkinFileName, InsertsTheFirstFreeNumberBeforeTheExtension) {
  std::set<std::string> taken;
  auto exists = [&](const std::string& name) { return taken.count(name) > 0; };
  EXPECT_EQ(FirstFreeSkinFileName("C:\\Temp\\KIVSKNT", exists), "C:\\Temp\\KIVSKNT.kiv");
  taken = {"C:\\Temp\\KIVSKNT.kiv", "C:\\Temp\\KIVSKNT1.kiv", "C:\\Temp\\KIVSKNT3.kiv"};
  EXPECT_EQ(FirstFreeSkinFileName("C:\\Temp\\KIVSKNT", exists), "C:\\Temp\\KIVSKNT2.kiv");
}

}  // namespace
}  // namespace skin
