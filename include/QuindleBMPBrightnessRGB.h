#ifndef QUINDLE_BMP_BRIGHTNESS_RGB_H
#define QUINDLE_BMP_BRIGHTNESS_RGB_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#else
#include <uchar.h>
#endif

#if defined(_WIN32)
#define QUINDLE_BMP_API __declspec(dllimport)
#else
#define QUINDLE_BMP_API
#endif

/* Result codes of BMPBrightnessRGB. */
#define BMP_BRIGHTNESS_DONE 999
#define BMP_BRIGHTNESS_FAILED 1

/*
 * Reads the uncompressed BMP file at inputPath (depth 1, 4, 8, 16, 24 or 32),
 * multiplies the red, green and blue of every pixel by its percentage
 * (100 leaves a channel unchanged), clamps to 0..255 and writes the result to
 * outputPath at the same depth. Paths are NUL-terminated UTF-16.
 *
 * Returns 999 when the output file was written completely, 1 otherwise; on 1
 * no output file is created or changed. outputPath may name the input file.
 */
QUINDLE_BMP_API int32_t BMPBrightnessRGB(const char16_t* inputPath, const char16_t* outputPath,
                                         int32_t redPercent, int32_t greenPercent,
                                         int32_t bluePercent);

#ifdef __cplusplus
}
#endif

#endif
