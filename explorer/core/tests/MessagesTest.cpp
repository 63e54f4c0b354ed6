#include "explorer/core/Messages.h"

#include <gtest/gtest.h>

namespace explorer {
namespace {

TEST(MessagesTest, TextsOfTheHelpers) {
  using namespace std::string_literals;
  EXPECT_EQ(ExecuteErrorText("open", "C:\\a.mp4"), "ERROR - Can't open file  C:\\a.mp4");
  struct Case {
    std::string path, text;
  };
  for (const Case& c : {
           Case{"C:\\Videos\\a.mp4", "\"a.mp4\" already exists !"},
           Case{"C:\\Videos\\New Folder\\", "\"New Folder\" already exists !"},  // a folder names itself
           Case{"C:\\Videos\\b.mp4\0"s, "\"b.mp4\" already exists !"},
           Case{"a.mp4", "\"a.mp4\" already exists !"},
       })
    EXPECT_EQ(AlreadyExistsText(c.path), c.text) << c.path;
}

TEST(MessagesTest, PropertiesErrorsByCode) {
  struct Case {
    unsigned long code;
    std::string text;
  };
  for (const Case& c : {
           Case{2, "The specified file was not found."},
           Case{3, "The specified path was not found."},
           Case{5, "Access denied"},
           Case{8, "Not enough memory for this operation"},
           Case{32, "Sharing violation"},
           Case{1155, "There is no application associated with the given filename extension."},
           Case{1156, "The DDE transaction failed."},
           Case{1157, "DLL not found"},
           Case{1223, "The function prompted the user for the location of the application, but the "
                      "user cancelled the request."},
           Case{0, ""},
           Case{4, ""},
           Case{1224, ""},
       })
    EXPECT_EQ(PropertiesErrorText(c.code), c.text) << c.code;
}

}  // namespace
}  // namespace explorer
