#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bmp/BmpReader.h"
#include "image/BitmapImage.h"

namespace quindle::testing {

// A fresh folder, removed with everything in it when the object goes away.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Names of the entries in the folder, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::filesystem::path path_;
};

// Names of the entries of a folder, sorted.
std::vector<std::string> Entries(const std::filesystem::path& folder);

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// Loads from bytes in memory through the stream reader.
LoadStatus LoadBytes(BitmapImage& image, const std::vector<std::uint8_t>& bytes);

// The folder of the committed test data, and the project's root.
std::filesystem::path DataDir();
std::filesystem::path SourceDir();

}  // namespace quindle::testing
