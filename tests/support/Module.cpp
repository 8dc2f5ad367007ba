#include "support/Module.h"

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace quindle::testing {

BrightnessFunction ModuleFunction() {
  static const BrightnessFunction function = [] {
    void* handle = dlopen(QUINDLE_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      throw std::runtime_error(std::string("dlopen: ") + dlerror());
    }
    void* symbol = dlsym(handle, "BMPBrightnessRGB");
    if (symbol == nullptr) {
      throw std::runtime_error("the module has no BMPBrightnessRGB");
    }
    return reinterpret_cast<BrightnessFunction>(symbol);
  }();
  return function;
}

std::int32_t CallModule(const std::filesystem::path& input, const std::filesystem::path& output,
                        std::int32_t red, std::int32_t green, std::int32_t blue) {
  return ModuleFunction()(input.u16string().c_str(), output.u16string().c_str(), red, green, blue);
}

}  // namespace quindle::testing
