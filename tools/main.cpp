// quindle-bmp: brightness, inspection and rescaling of BMP files.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>

#include "Commands.h"

namespace quindle::tool {

int UsageError(const CLI::App& command, const std::string& message) {
  std::fprintf(stderr, "quindle-bmp %s: %s\nRun with --help for more information.\n",
               command.get_name().c_str(), message.c_str());
  return 2;
}

}  // namespace quindle::tool

int main(int argc, char** argv) {
  CLI::App app{"Brightness, inspection and rescaling of uncompressed BMP files.", "quindle-bmp"};
  app.set_version_flag("--version", QUINDLE_VERSION);
  app.require_subcommand(1);
  app.footer(
      "Examples:\n"
      "  quindle-bmp brightness photo.bmp warmer.bmp --red 120 --blue 80\n"
      "  quindle-bmp info photo.bmp\n"
      "  quindle-bmp scale photo.bmp half.bmp --percent 50\n"
      "Run 'quindle-bmp COMMAND --help' for the options of a command.");
  int exitStatus = 0;
  quindle::tool::AddBrightnessCommand(app, exitStatus);
  quindle::tool::AddInfoCommand(app, exitStatus);
  quindle::tool::AddScaleCommand(app, exitStatus);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? 0 : 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quindle-bmp: %s\n", error.what());
    return 1;
  }
  return exitStatus;
}
