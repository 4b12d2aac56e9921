// The core stays free of Qt, so that the window, fillmap-table and the tests run one calculation
// and fillmap-table needs no windowing library.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

TEST(QtFreeCore, NoCoreSourceIncludesAQtHeader) {
  const std::filesystem::path source = FILLMAP_SOURCE_DIR;
  const std::regex qt_include(R"(^\s*#\s*include\s*[<"](Q[A-Za-z]|Qt|platform/qt/|ui/|report/))");
  int files = 0;
  for (const char* folder :
       {"src/platform", "src/geometry", "src/calibration", "src/store", "src/cli"}) {
    for (const auto& entry : std::filesystem::directory_iterator(source / folder)) {
      if (!entry.is_regular_file()) continue;  // src/platform/qt is the Qt side
      ++files;
      std::ifstream file(entry.path());
      int number = 0;
      for (std::string line; std::getline(file, line);) {
        ++number;
        EXPECT_FALSE(std::regex_search(line, qt_include))
            << entry.path() << ":" << number << ": " << line;
      }
    }
  }
  EXPECT_GT(files, 10);
}

}  // namespace
