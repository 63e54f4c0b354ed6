#pragma once
// Pictures for mark-up: THTMLPicture keeps an image file's bytes and decodes them with the
// platform's OLE picture loader (one chosen frame of a multi-frame GIF); the per-list cache and
// the named pictures of a container component.
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Graphics.h"
#include "listview/core/GifFrames.h"

class THTMLPicture : public TGraphic {
public:
  THTMLPicture();
  ~THTMLPicture() override;
  // Another THTMLPicture's bytes, decoded (a failure is raised); null, an empty picture or any
  // other graphic leave it empty. Its own old bytes are dropped undecoded.
  void Assign(TPersistent* source) override;

  int Width() const override;    // the decoded picture at 96 pixels per inch; 0 when none
  int Height() const override;
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  bool Empty() const override { return FEmpty; }
  // The GIF's logical screen when it has one, else Width/Height.
  int DisplayWidth() const { return FScreenWidth ? FScreenWidth : Width(); }
  int DisplayHeight() const { return FScreenHeight ? FScreenHeight : Height(); }

  // Replaces the bytes and decodes them; a decoding failure is raised.
  void LoadFromStream(std::istream& stream) override;
  // Failures (no file, bytes no loader reads) leave the picture empty.
  void LoadFromFile(const std::string& fileName) override;
  void SaveToStream(std::ostream& stream) override;   // the bytes as they are
  void ReadData(std::istream& stream);                 // LoadFromStream without OnChange
  void WriteData(std::ostream& stream) { SaveToStream(stream); }
  void LoadFromClipboardFormat() {}
  void SaveToClipboardFormat() {}
  std::unique_ptr<TGraphic> Clone() override;

  // "RES://name": an RT_RCDATA resource of the program; "FILE://path": a file; anything else
  // is remote and stays empty. Remote pictures are never fetched: an asynchronous one only
  // marks a download busy (for good), and while it is, further remote sources do nothing.
  void AssignSource(const std::string& source);
  const std::string& Source() const { return FSource; }
  const std::string& PendingSource() const { return FPendingSource; }
  bool Asynch() const { return FAsynch; }
  void SetAsynch(bool v) { FAsynch = v; }
  bool DownLoadBusy() const { return FDownLoadBusy; }

  bool Stretch() const { return FStretch; }
  void SetStretch(bool v) { FStretch = v; }
  int Frame() const { return FFrame; }
  void SetFrame(int frame);   // counted from 1; decodes again and tells OnFrameChange
  int FrameCount();           // -1 when the bytes are no GIF
  // The shown GIF frame within the logical screen; 0 when no multi-frame GIF.
  int FrameLeft() const { return FFrameLeft; }
  int FrameTop() const { return FFrameTop; }
  int FrameWidth() const { return FFrameWidth; }
  int FrameHeight() const { return FFrameHeight; }

  TNotifyEvent OnFrameChange;
  TNotifyEvent OnDownLoadProgress, OnDownLoadCancel, OnDownLoadComplete, OnDownLoadError;

protected:
  void Draw(TCanvas* canvas, const RECT& r) override;

private:
  void LoadBytes(listview::Bytes bytes);
  void DecodePicture();
  void DropPicture();
  listview::Bytes FData;
  bool FEmpty = true;
  bool FStretch = false;
  IPicture* FPicture = nullptr;
  int FLogPixelsX = 96, FLogPixelsY = 96;
  std::string FPendingSource;
  std::string FSource;
  bool FAsynch = true;
  bool FDownLoadBusy = false;
  int FFrame = 1;
  int FFrameCount = -1;
  int FFrameLeft = 0, FFrameTop = 0, FFrameWidth = 0, FFrameHeight = 0;
  int FScreenWidth = 0, FScreenHeight = 0;
};

// The pictures mark-up loaded by source, one cache per list view; it owns them.
class THTMLPictureCache {
public:
  THTMLPicture* NewPicture();
  // The first picture whose source is exactly source, or null.
  THTMLPicture* PictureBySource(const std::string& source) const;
  THTMLPicture* PictureAt(int index) const { return FItems.at(index).get(); }
  int Count() const { return (int)FItems.size(); }
  void Clear() { FItems.clear(); }

private:
  std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

class TPictureCollection;

class TPictureItem : public TPersistent {
public:
  explicit TPictureItem(TPictureCollection* collection) : FCollection(collection), FPicture(new THTMLPicture) {}
  THTMLPicture* Picture() const { return FPicture.get(); }
  void SetPicture(THTMLPicture* p) { FPicture->Assign(p); }
  std::string Name;
  int Tag = 0;
  // Name, Tag and Picture of another item; anything else is a type error.
  void Assign(TPersistent* source) override;

private:
  TPictureCollection* FCollection;
  std::unique_ptr<THTMLPicture> FPicture;
};

class TPictureContainer;

class TPictureCollection : public TPersistent {
public:
  explicit TPictureCollection(TPictureContainer* owner) : FOwner(owner) {}
  TPictureContainer* Owner() const { return FOwner; }
  TPictureItem* Add();
  TPictureItem* Items(int i) const { return FItems.at(i).get(); }
  int Count() const { return (int)FItems.size(); }
  void Clear() { FItems.clear(); }
  // Copies every item of another collection.
  void Assign(TPersistent* source) override;

private:
  TPictureContainer* FOwner;
  std::vector<std::unique_ptr<TPictureItem>> FItems;
};

class TPictureContainer : public TComponent {
public:
  explicit TPictureContainer(TComponent* AOwner) : TComponent(AOwner), FItems(new TPictureCollection(this)) {}
  TPictureCollection* Items() const { return FItems.get(); }
  void SetItems(TPictureCollection* items) { FItems->Assign(items); }
  std::string Version() const;
  void SetVersion(const std::string&) {}
  // The picture of the first item named so in any letter case, or null.
  virtual THTMLPicture* PictureByName(const std::string& name);

private:
  std::unique_ptr<TPictureCollection> FItems;
};
