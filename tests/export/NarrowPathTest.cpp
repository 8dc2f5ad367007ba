#include "export/NarrowPath.h"

#include <gtest/gtest.h>

namespace quindle {
namespace {

TEST(NarrowPath, Utf16ToUtf8) {
  struct Case {
    std::u16string wide;
    std::string narrow;
  };
  const Case cases[] = {
      {u"", ""},
      {u"/tmp/a.bmp", "/tmp/a.bmp"},
      {u"caf\u00e9", "caf\xc3\xa9"},
      {u"\u65e5\u672c\u8a9e\u306e\u540d\u524d.bmp",  // six CJK code units, three bytes each
       "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe5\x90\x8d\xe5\x89\x8d.bmp"},
      {u"\U0001F600", "\xf0\x9f\x98\x80"},
      {std::u16string{u'a', char16_t{0xD800}, u'b'}, "a?b"},  // unpaired high surrogate
      {std::u16string{char16_t{0xDC00}}, "?"},               // unpaired low surrogate
      {std::u16string{char16_t{0xD83D}}, "?"},               // high surrogate at the end
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NarrowPath(c.wide.c_str()), c.narrow);
  }
  EXPECT_EQ(NarrowPath(nullptr), "");
}

}  // namespace
}  // namespace quindle
