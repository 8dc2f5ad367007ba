#include "support/TestFiles.h"

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "bmp/FileStream.h"

namespace quindle::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quindle-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempDir::Entries() const { return testing::Entries(path_); }

std::vector<std::string> Entries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

LoadStatus LoadBytes(BitmapImage& image, const std::vector<std::uint8_t>& bytes) {
  // fmemopen cannot open an empty buffer; an empty file is modelled with a
  // temporary stream instead.
  FileStream stream(std::tmpfile());
  if (!bytes.empty()) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream.get());
  }
  std::rewind(stream.get());
  return LoadFromStream(image, stream.get());
}

std::filesystem::path DataDir() { return QUINDLE_TEST_DATA_DIR; }
std::filesystem::path SourceDir() { return QUINDLE_SOURCE_DIR; }

}  // namespace quindle::testing
