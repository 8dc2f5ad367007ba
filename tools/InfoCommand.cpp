#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "HeaderReport.h"
#include "image/IntegerPower.h"
#include "utilities/Resolution.h"

namespace quindle::tool {
namespace {

struct Options {
  std::vector<std::string> files;
  bool json = false;
};

std::int32_t DotsPerInch(std::int32_t pixelsPerMeter) {
  BitmapImage probe;
  probe.xPixelsPerMeter = pixelsPerMeter;
  return HorizontalDpi(probe);
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Palette entries a loaded image has: 2^depth at the indexed depths.
std::int64_t PaletteEntries(const InfoHeader& info) {
  const int depth = info.biBitCount;
  return depth == 1 || depth == 4 || depth == 8 ? IntegerPower(2, depth) : 0;
}

bool HeadersRead(const HeaderReport& report) {
  return report.status != LoadStatus::CannotOpen && report.status != LoadStatus::NotBmp &&
         report.status != LoadStatus::HeadersCutShort;
}

std::string Json(const std::string& path, const HeaderReport& report) {
  std::ostringstream out;
  const FileHeader& f = report.file;
  const InfoHeader& i = report.info;
  out << "{\"path\": " << JsonString(path) << ", \"loads\": "
      << (report.status == LoadStatus::Loaded ? "true" : "false") << ", \"reason\": "
      << (report.status == LoadStatus::Loaded ? "null" : JsonString(LoadFailureReason(report, report.status)));
  if (HeadersRead(report)) {
    out << ", \"fileHeader\": {\"bfType\": " << f.bfType << ", \"bfSize\": " << f.bfSize
        << ", \"bfReserved1\": " << f.bfReserved1 << ", \"bfReserved2\": " << f.bfReserved2
        << ", \"bfOffBits\": " << f.bfOffBits << "}"
        << ", \"infoHeader\": {\"biSize\": " << i.biSize << ", \"biWidth\": " << i.biWidth
        << ", \"biHeight\": " << i.biHeight << ", \"biPlanes\": " << i.biPlanes
        << ", \"biBitCount\": " << i.biBitCount << ", \"biCompression\": " << i.biCompression
        << ", \"biSizeImage\": " << i.biSizeImage << ", \"biXPelsPerMeter\": " << i.biXPelsPerMeter
        << ", \"biYPelsPerMeter\": " << i.biYPelsPerMeter << ", \"biClrUsed\": " << i.biClrUsed
        << ", \"biClrImportant\": " << i.biClrImportant << "}"
        << ", \"depth\": " << i.biBitCount << ", \"width\": " << i.biWidth
        << ", \"height\": " << i.biHeight << ", \"resolution\": {\"xPixelsPerMeter\": "
        << i.biXPelsPerMeter << ", \"yPixelsPerMeter\": " << i.biYPelsPerMeter
        << ", \"xDpi\": " << DotsPerInch(i.biXPelsPerMeter) << ", \"yDpi\": "
        << DotsPerInch(i.biYPelsPerMeter) << "}, \"paletteSize\": " << PaletteEntries(i);
  }
  out << "}";
  return out.str();
}

std::string Text(const std::string& path, const HeaderReport& report) {
  std::ostringstream out;
  const FileHeader& f = report.file;
  const InfoHeader& i = report.info;
  out << path << "\n";
  if (HeadersRead(report)) {
    out << "  file header:  bfType 0x" << std::hex << f.bfType << std::dec << ", bfSize "
        << f.bfSize << ", bfReserved1 " << f.bfReserved1 << ", bfReserved2 " << f.bfReserved2
        << ", bfOffBits " << f.bfOffBits << "\n"
        << "  info header:  biSize " << i.biSize << ", biWidth " << i.biWidth << ", biHeight "
        << i.biHeight << ", biPlanes " << i.biPlanes << ", biBitCount " << i.biBitCount
        << ", biCompression " << i.biCompression << ", biSizeImage " << i.biSizeImage
        << ", biXPelsPerMeter " << i.biXPelsPerMeter << ", biYPelsPerMeter " << i.biYPelsPerMeter
        << ", biClrUsed " << i.biClrUsed << ", biClrImportant " << i.biClrImportant << "\n"
        << "  depth:        " << i.biBitCount << " bits per pixel\n"
        << "  size:         " << i.biWidth << " x " << i.biHeight << "\n"
        << "  resolution:   " << i.biXPelsPerMeter << " x " << i.biYPelsPerMeter
        << " pixels per metre (" << DotsPerInch(i.biXPelsPerMeter) << " x "
        << DotsPerInch(i.biYPelsPerMeter) << " dpi)\n"
        << "  palette:      ";
    if (PaletteEntries(i) > 0) {
      out << PaletteEntries(i) << " entries\n";
    } else {
      out << "none\n";
    }
  }
  out << "  loads:        "
      << (report.status == LoadStatus::Loaded ? "yes" : "no: " + LoadFailureReason(report, report.status))
      << "\n";
  return out.str();
}

int Run(const Options& options) {
  bool allLoad = true;
  std::string output = options.json ? "[" : "";
  for (std::size_t n = 0; n < options.files.size(); ++n) {
    const std::string& path = options.files[n];
    const HeaderReport report = InspectHeaders(path);
    allLoad &= report.status == LoadStatus::Loaded;
    if (options.json) {
      output += (n > 0 ? ",\n " : "") + Json(path, report);
    } else {
      output += Text(path, report);
    }
    if (report.status == LoadStatus::CannotOpen) {
      std::fprintf(stderr, "quindle-bmp: %s: %s\n", path.c_str(),
                   LoadFailureReason(report, report.status).c_str());
    }
  }
  if (options.json) output += "]\n";
  std::fputs(output.c_str(), stdout);
  return allLoad ? 0 : 1;
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitStatus) {
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "info", "Show the headers of BMP files and whether they load; status 1 when one does not");
  command->add_option("files", options->files, "BMP files")->required()->type_name("FILE...");
  command->add_flag("--json", options->json, "print a JSON array, one object per file");
  command->footer("Example:\n  quindle-bmp info --json photo.bmp scans/*.bmp");
  command->callback([options, &exitStatus] { exitStatus = Run(*options); });
}

}  // namespace quindle::tool
