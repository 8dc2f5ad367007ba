/*
 * A host program that loads the module at run time, finds BMPBrightnessRGB
 * and calls it, as an application embedding the module would.
 *
 *   brightness_host INPUT OUTPUT [RED GREEN BLUE]
 *
 * Paths on the command line are UTF-8; they are handed over as UTF-16.
 */
#include <dlfcn.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <uchar.h>

typedef int32_t (*BrightnessFunction)(const char16_t*, const char16_t*, int32_t, int32_t,
                                      int32_t);

/* UTF-8 to NUL-terminated UTF-16; malformed bytes become U+FFFD. */
static char16_t* ToUtf16(const char* text) {
  size_t length = strlen(text);
  char16_t* out = calloc(2 * length + 1, sizeof *out);
  size_t n = 0;
  if (out == NULL) return NULL;
  for (size_t i = 0; i < length;) {
    unsigned char lead = (unsigned char)text[i];
    uint32_t code = 0xFFFD;
    size_t extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (lead < 0x80) {
      code = lead;
    } else if (extra > 0 && i + extra < length + 1) {
      code = lead & (0x3Fu >> extra);
      for (size_t k = 1; k <= extra; ++k) code = (code << 6) | ((unsigned char)text[i + k] & 0x3Fu);
    }
    i += extra + 1;
    if (code >= 0x10000) {
      code -= 0x10000;
      out[n++] = (char16_t)(0xD800 + (code >> 10));
      out[n++] = (char16_t)(0xDC00 + (code & 0x3FF));
    } else {
      out[n++] = (char16_t)code;
    }
  }
  return out;
}

int main(int argc, char** argv) {
  if (argc != 3 && argc != 6) {
    fprintf(stderr, "usage: %s INPUT OUTPUT [RED GREEN BLUE]\n", argv[0]);
    return 2;
  }
  const char* modulePath = getenv("QUINDLE_MODULE");
  void* module = dlopen(modulePath != NULL ? modulePath : QUINDLE_MODULE_FILE, RTLD_NOW);
  if (module == NULL) {
    fprintf(stderr, "cannot load the module: %s\n", dlerror());
    return 1;
  }
  BrightnessFunction brightness;
  *(void**)&brightness = dlsym(module, "BMPBrightnessRGB");
  if (brightness == NULL) {
    fprintf(stderr, "the module has no BMPBrightnessRGB\n");
    dlclose(module);
    return 1;
  }
  int32_t red = argc == 6 ? (int32_t)strtol(argv[3], NULL, 10) : 120;
  int32_t green = argc == 6 ? (int32_t)strtol(argv[4], NULL, 10) : 100;
  int32_t blue = argc == 6 ? (int32_t)strtol(argv[5], NULL, 10) : 80;
  char16_t* input = ToUtf16(argv[1]);
  char16_t* output = ToUtf16(argv[2]);
  int32_t result = brightness(input, output, red, green, blue);
  printf("BMPBrightnessRGB(%s, %s, %d, %d, %d) = %d\n", argv[1], argv[2], red, green, blue,
         result);
  free(input);
  free(output);
  dlclose(module);
  return result == 999 ? 0 : 1;
}
