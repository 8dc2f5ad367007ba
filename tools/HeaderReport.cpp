#include "HeaderReport.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "bmp/BmpLayout.h"
#include "bmp/FileStream.h"

namespace quindle::tool {

HeaderReport InspectHeaders(const std::string& path) {
  HeaderReport report;
  errno = 0;
  const FileStream stream = OpenFile(path.c_str(), "rb");
  if (!stream) {
    report.openError = std::error_code(errno != 0 ? errno : ENOENT, std::generic_category());
    return report;
  }
  std::error_code ignored;
  report.fileSize = std::filesystem::file_size(path, ignored);
  report.firstBytes.resize(4);
  report.firstBytes.resize(std::fread(report.firstBytes.data(), 1, 4, stream.get()));
  std::rewind(stream.get());
  report.status = ReadAndClassifyHeaders(stream.get(), report.file, report.info);
  return report;
}

std::string LoadFailureReason(const HeaderReport& report, LoadStatus status) {
  const InfoHeader& info = report.info;
  std::ostringstream out;
  switch (status) {
    case LoadStatus::Loaded:
      out << "loads";
      break;
    case LoadStatus::CannotOpen:
      out << "cannot open: " << report.openError.message();
      break;
    case LoadStatus::NotBmp: {
      out << "not a BMP file (it starts with";
      char hex[4];
      for (const std::uint8_t byte : report.firstBytes) {
        std::snprintf(hex, sizeof hex, "%02X", byte);
        out << ' ' << hex;
      }
      out << ", not 42 4D)";
      break;
    }
    case LoadStatus::HeadersCutShort:
      out << "the file ends inside its headers (" << report.fileSize << " of " << kHeadersSize
          << " bytes)";
      break;
    case LoadStatus::RunLengthEncoded:
      out << "run-length compressed (compression " << info.biCompression
          << "); only uncompressed files are supported";
      break;
    case LoadStatus::UnsupportedCompression:
      out << "unsupported compression " << info.biCompression << " at " << info.biBitCount
          << " bits per pixel";
      break;
    case LoadStatus::UnsupportedDepth:
      out << "unsupported bit depth " << info.biBitCount << " (supported: 1, 4, 8, 16, 24, 32)";
      break;
    case LoadStatus::TopDown:
      out << "rows stored top-down (height " << info.biHeight
          << "); only bottom-up files are supported";
      break;
    case LoadStatus::NonPositiveSize:
      out << "width " << info.biWidth << " and height " << info.biHeight
          << " must both be positive";
      break;
    case LoadStatus::TooManyPixels:
      out << info.biWidth << " x " << info.biHeight << " = "
          << std::int64_t{info.biWidth} * info.biHeight << " pixels exceeds the limit of "
          << kMaxPixelCount;
      break;
    case LoadStatus::OutOfMemory:
      out << "not enough memory for " << info.biWidth << " x " << info.biHeight << " pixels";
      break;
  }
  return out.str();
}

}  // namespace quindle::tool
