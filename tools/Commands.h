#pragma once

#include <CLI/CLI.hpp>

namespace quindle::tool {

// Each adds its subcommand to the application; the subcommand's callback runs
// it and stores the exit status: 0 done, 1 failed, 2 usage error.
void AddBrightnessCommand(CLI::App& app, int& exitStatus);
void AddInfoCommand(CLI::App& app, int& exitStatus);
void AddScaleCommand(CLI::App& app, int& exitStatus);

// Prints a usage error with the usual hint; returns the usage status 2.
int UsageError(const CLI::App& command, const std::string& message);

}  // namespace quindle::tool
