/*
 * The floor for the brightness job: stream an uncompressed 24- or 32-bit BMP
 * file with a 54-byte header through three 256-entry tables, rows in large
 * chunks, with no image model at all. What any implementation must at least
 * spend on reading, mapping and writing the bytes.
 *
 *   streaming_floor INPUT OUTPUT RED GREEN BLUE
 */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

static float Factor(int32_t percent) {
  if (percent == 100) return 1.0f;
  if (percent > 100) return ((float)percent - 100.0f) * 0.01f + 1.0f;
  return (float)percent * 0.01f;
}

static void Table(uint8_t table[256], int32_t percent) {
  float factor = Factor(percent);
  for (int value = 0; value < 256; ++value) {
    float product = (float)value * factor;
    table[value] = product < 0.0f ? 0 : product > 255.0f ? 255 : (uint8_t)product;
  }
}

int main(int argc, char** argv) {
  if (argc != 6) {
    fprintf(stderr, "usage: %s INPUT OUTPUT RED GREEN BLUE\n", argv[0]);
    return 2;
  }
  FILE* in = fopen(argv[1], "rb");
  FILE* out = fopen(argv[2], "wb");
  if (in == NULL || out == NULL) return 1;
  uint8_t header[54];
  if (fread(header, 1, 54, in) != 54) return 1;
  const int bytesPerPixel = header[28] / 8;
  if (bytesPerPixel != 3 && bytesPerPixel != 4) return 1;
  fwrite(header, 1, 54, out);
  uint8_t tables[3][256];
  Table(tables[0], (int32_t)strtol(argv[5], NULL, 10)); /* blue */
  Table(tables[1], (int32_t)strtol(argv[4], NULL, 10)); /* green */
  Table(tables[2], (int32_t)strtol(argv[3], NULL, 10)); /* red */
  const size_t chunk = (size_t)bytesPerPixel * 4 * 262144;
  uint8_t* buffer = malloc(chunk);
  if (buffer == NULL) return 1;
  size_t got;
  /* Padding bytes pass through the tables too; they are zero and stay zero. */
  while ((got = fread(buffer, 1, chunk, in)) > 0) {
    for (size_t i = 0; i + (size_t)bytesPerPixel <= got; i += (size_t)bytesPerPixel) {
      buffer[i] = tables[0][buffer[i]];
      buffer[i + 1] = tables[1][buffer[i + 1]];
      buffer[i + 2] = tables[2][buffer[i + 2]];
    }
    fwrite(buffer, 1, got, out);
  }
  free(buffer);
  fclose(in);
  return fclose(out) == 0 ? 0 : 1;
}
