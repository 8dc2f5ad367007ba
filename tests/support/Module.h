#pragma once

#include <cstdint>
#include <filesystem>

namespace quindle::testing {

using BrightnessFunction = std::int32_t (*)(const char16_t*, const char16_t*, std::int32_t,
                                            std::int32_t, std::int32_t);

// The built shared module, loaded with dlopen once per process, as a host
// program loads it; the function is found with dlsym.
BrightnessFunction ModuleFunction();

// Calls the module's function with the paths as UTF-16.
std::int32_t CallModule(const std::filesystem::path& input, const std::filesystem::path& output,
                        std::int32_t red, std::int32_t green, std::int32_t blue);

}  // namespace quindle::testing
