// Pictures decoded by the platform's picture loader: generated GIF and BMP bytes, a program
// resource, and what is left empty.
#include "listview/PictureContainer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A 3x2 GIF with one frame.
const unsigned char kGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x03, 0x00, 0x02, 0x00, 0x80, 0x00, 0x00, 0x00,
                              0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2C,
                              0x00, 0x00, 0x00, 0x00, 0x03, 0x00, 0x02, 0x00, 0x00, 0x02, 0x02, 0x84, 0x5F, 0x00,
                              0x3B};

std::string BitmapBytes(int width, int height) {
  TBitmap bitmap;
  bitmap.SetSize(width, height);
  std::ostringstream out;
  bitmap.SaveToStream(out);
  return out.str();
}

TEST(HTMLPictureTest, DecodesGeneratedPicturesToTheirSizes) {
  struct Case { const char* note; std::string bytes; int width, height; };
  for (const Case& c : {Case{"GIF", std::string((const char*)kGif, sizeof kGif), 3, 2},
                        Case{"BMP", BitmapBytes(7, 5), 7, 5}}) {
    THTMLPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    std::istringstream in(c.bytes);
    picture.LoadFromStream(in);
    EXPECT_FALSE(picture.Empty()) << c.note;
    EXPECT_EQ(picture.Width(), c.width) << c.note;
    EXPECT_EQ(picture.Height(), c.height) << c.note;
    EXPECT_EQ(changes, 1) << c.note;
  }
  THTMLPicture gif;
  std::istringstream in(std::string((const char*)kGif, sizeof kGif));
  gif.LoadFromStream(in);
  EXPECT_EQ(gif.FrameCount(), 1);
  EXPECT_EQ(gif.DisplayWidth(), 3);   // the logical screen
}

TEST(HTMLPictureTest, BytesNoLoaderReadsRaiseTheFormatError) {
  THTMLPicture picture;
  std::istringstream in("not a picture at all");
  try {
    picture.LoadFromStream(in);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Could not load image. Invalid format");
  }
  picture.LoadFromFile("C:\\no such folder\\none.bmp");
  EXPECT_TRUE(picture.Empty());
}

TEST(HTMLPictureTest, AGoodPictureReplacesBytesThatFailedToDecode) {
  THTMLPicture good, broken, empty;
  std::istringstream goodBytes(BitmapBytes(7, 5)), badBytes("not a picture at all");
  good.LoadFromStream(goodBytes);
  EXPECT_THROW(broken.LoadFromStream(badBytes), Exception);
  EXPECT_NO_THROW(broken.Assign(&good));
  EXPECT_FALSE(broken.Empty());
  EXPECT_EQ(broken.Width(), 7);
  EXPECT_NO_THROW(broken.Assign(&empty)) << "a picture without bytes empties";
  EXPECT_TRUE(broken.Empty());
  EXPECT_EQ(broken.Width(), 0);
}

TEST(HTMLPictureTest, SourcesLoadResourcesAndFilesButNothingRemote) {
  THTMLPicture resource;
  resource.AssignSource("res://RedPicture");
  EXPECT_EQ(resource.Width(), 2);
  EXPECT_EQ(resource.Height(), 3);
  THTMLPicture missing;
  missing.AssignSource("RES://NoSuchPicture");
  EXPECT_TRUE(missing.Empty());
  EXPECT_EQ(missing.Source(), "RES://NoSuchPicture");

  THTMLPictureCache cache;
  THTMLPicture* remote = cache.NewPicture();
  remote->SetAsynch(false);
  remote->AssignSource("http://host/a.gif");
  EXPECT_TRUE(remote->Empty());
  EXPECT_EQ(cache.PictureBySource("http://host/a.gif"), remote);
  EXPECT_EQ(cache.PictureBySource("HTTP://host/a.gif"), nullptr);

  THTMLPicture asynch;
  asynch.AssignSource("http://host/a.gif");
  asynch.AssignSource("http://host/b.gif");   // a download is busy: nothing
  EXPECT_TRUE(asynch.DownLoadBusy());
  EXPECT_EQ(asynch.PendingSource(), "http://host/a.gif");
}

TEST(PictureContainerTest, FindsItemsByNameInAnyCase) {
  TPictureContainer container(nullptr);
  TPictureItem* item = container.Items()->Add();
  item->Name = "MyLogo";
  EXPECT_EQ(container.PictureByName("MYLOGO"), item->Picture());
  EXPECT_EQ(container.PictureByName("MYLOG"), nullptr);
  container.SetVersion("9");
  EXPECT_EQ(container.Version(), "1.0.0.0");
}

}  // namespace
