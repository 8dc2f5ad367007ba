#include <cstdio>
#include <memory>
#include <string>

#include "Commands.h"
#include "HeaderReport.h"
#include "bmp/BmpWriter.h"
#include "utilities/ScaleImage.h"

namespace quindle::tool {
namespace {

struct Options {
  std::string input;
  std::string output;
  std::int32_t percent = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t fit = 0;
  CLI::Option* percentOption = nullptr;
  CLI::Option* widthOption = nullptr;
  CLI::Option* heightOption = nullptr;
};

int Run(const Options& options) {
  BitmapImage image;
  std::error_code openError;
  LoadStatus status = LoadStatus::OutOfMemory;
  try {
    status = LoadWithStatus(image, options.input.c_str(), &openError);
  } catch (const std::bad_alloc&) {
  }
  if (status != LoadStatus::Loaded) {
    HeaderReport report = InspectHeaders(options.input);
    if (status == LoadStatus::CannotOpen) report.openError = openError;
    std::fprintf(stderr, "quindle-bmp: %s: %s\n", options.input.c_str(),
                 LoadFailureReason(report, status).c_str());
    return 1;
  }
  char mode = 'F';
  std::int32_t size = options.fit;
  if (options.percentOption->count() > 0) {
    mode = 'P';
    size = options.percent;
  } else if (options.widthOption->count() > 0) {
    mode = 'W';
    size = options.width;
  } else if (options.heightOption->count() > 0) {
    mode = 'H';
    size = options.height;
  }
  if (!ScaleImage(image, mode, size)) {
    std::fprintf(stderr, "quindle-bmp: %s: the new size would exceed the limit of 268435456 pixels\n",
                 options.input.c_str());
    return 1;
  }
  if (const std::error_code error = SaveWithReason(image, options.output.c_str())) {
    std::fprintf(stderr, "quindle-bmp: %s: cannot write: %s\n", options.output.c_str(),
                 error.message().c_str());
    return 1;
  }
  return 0;
}

}  // namespace

void AddScaleCommand(CLI::App& app, int& exitStatus) {
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand(
      "scale", "Rescale a BMP file by bilinear interpolation; the result is 24-bit");
  command->add_option("input", options->input, "BMP file to read")->required();
  command->add_option("output", options->output, "BMP file to write")->required();
  CLI::Option_group* size = command->add_option_group("size", "the new size, exactly one of");
  options->percentOption = size->add_option("-p,--percent", options->percent, "percent of both sides");
  options->widthOption = size->add_option("-W,--width", options->width, "new width, height in proportion");
  options->heightOption = size->add_option("-H,--height", options->height, "new height, width in proportion");
  size->add_option("-f,--fit", options->fit, "fit into a square of this side");
  size->require_option(1);
  command->footer("Example:\n  quindle-bmp scale photo.bmp thumb.bmp --fit 128");
  command->callback([options, &exitStatus] { exitStatus = Run(*options); });
}

}  // namespace quindle::tool
