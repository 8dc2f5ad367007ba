/* A program of someone else's that uses the installed module:
 *   consumer INPUT OUTPUT RED GREEN BLUE   (paths in ASCII) */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <uchar.h>

#include <QuindleBMPBrightnessRGB.h>

static char16_t* Widen(const char* text) {
  size_t length = strlen(text);
  char16_t* wide = calloc(length + 1, sizeof *wide);
  for (size_t i = 0; wide != NULL && i < length; ++i) wide[i] = (unsigned char)text[i];
  return wide;
}

int main(int argc, char** argv) {
  if (argc != 6) {
    fprintf(stderr, "usage: %s INPUT OUTPUT RED GREEN BLUE\n", argv[0]);
    return 2;
  }
  char16_t* input = Widen(argv[1]);
  char16_t* output = Widen(argv[2]);
  int32_t result = BMPBrightnessRGB(input, output, atoi(argv[3]), atoi(argv[4]), atoi(argv[5]));
  free(input);
  free(output);
  return result == BMP_BRIGHTNESS_DONE ? 0 : 1;
}
