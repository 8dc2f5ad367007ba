#include "utilities/HeaderInspection.h"

#include "bmp/FileStream.h"
#include "bmp/ReadChecked.h"

namespace quindle {

FileHeader ReadFileHeaderOf(const char* path) {
  FileHeader header;
  const FileStream stream = OpenFile(path, "rb");
  if (!stream) {
    header.bfType = 0;
    return header;
  }
  ReadField(header.bfType, stream.get());
  ReadFileHeaderAfterType(header, stream.get());
  return header;
}

InfoHeader ReadInfoHeaderOf(const char* path) {
  InfoHeader header;
  const FileStream stream = OpenFile(path, "rb");
  if (!stream) {
    return header;
  }
  SkipBytes(stream.get(), kFileHeaderSize);
  ReadInfoHeader(header, stream.get());
  return header;
}

std::int32_t BitDepthOfFile(const char* path) { return ReadInfoHeaderOf(path).biBitCount; }

}  // namespace quindle
