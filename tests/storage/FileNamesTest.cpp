#include <string>

#include <gtest/gtest.h>

#include "storage/FileNames.h"
#include "storage/TextEncoding.h"

using namespace ostrane;

namespace {

TEST(ProposedFileName, NamesAFileInTheFolderShownAndStaysReadable) {
  const std::string e = "\xC3\xA9";  // é, two bytes
  const struct {
    const char* what;
    std::string name, proposed;
  } cases[] = {
      {"a plain name", "Time Lords", "Time Lords"},
      {"empty", "", ""},
      {"a slash", "AC/DC", "AC-DC"},
      {"a backslash", "AC\\DC", "AC-DC"},
      {"up two folders", "../../escape", "__-__-escape"},
      {"a hidden part", "a/.b/./c", "a-_b-_-c"},
      {"an absolute path", "/etc/passwd", "-etc-passwd"},
      {"the folder itself", ".", "_"},
      {"the folder above", "..", "__"},
      {"a hidden file", ".hidden", "_hidden"},
      {"dots inside and at the end", "Mr. J. Smith...", "Mr. J. Smith..."},
      {"the home folder", "~", "_"},
      {"another user's home", "~root", "_root"},
      {"a tilde inside", "a~b", "a~b"},
      {"a tilde after a dot", ".~", "_~"},
      {"a line break", "two\nlines\r", "two_lines_"},
      {"NUL, tab, DEL", std::string("a\0b\tc\x7F", 6), "a_b_c_"},
      {"accents kept", "Ren" + e + "e", "Ren" + e + "e"},
      {"251 bytes kept", std::string(251, 'n'), std::string(251, 'n')},
      {"cut to 251 bytes", std::string(300, 'n'), std::string(251, 'n')},
      {"cut before a character, not inside it", std::string(250, 'n') + e + e,
       std::string(250, 'n')},
      {"cut after a character", std::string(249, 'n') + e + e, std::string(249, 'n') + e},
  };
  for (const auto& c : cases) {
    const std::string proposed = ProposedFileName(c.name);
    EXPECT_EQ(proposed, c.proposed) << c.what;
    EXPECT_EQ(proposed.find_first_of("/\\"), std::string::npos) << c.what;
    EXPECT_TRUE(IsValidUtf8(proposed)) << c.what;
  }
}

}  // namespace
