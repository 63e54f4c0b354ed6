// Building forms from their component tables: a control placed on its parent, and the profile
// editor group that the main window and the Settings dialog both show.
#pragma once
#include "framework/ExtCtrls.h"
#include "framework/StdCtrls.h"
#include "framework/ValEdit.h"

template <class T> T* Place(TComponent* owner, TWinControl* parent, const char* name) {
  T* control = new T(owner);
  control->SetName(name);
  control->SetParent(parent);
  return control;
}

template <class T> T* Place(TComponent* owner, TWinControl* parent, const char* name,
                            const char* caption, int left, int top, int width, int height) {
  T* control = Place<T>(owner, parent, name);
  control->SetCaption(caption);
  control->SetBounds(left, top, width, height);
  return control;
}

// A picture drawn by resources/pictures/draw_pictures.py, built into the program.
inline void LoadPicture(TBitmap& bitmap, const char* resource) {
  bitmap.LoadFromResourceName(GetModuleHandleA(nullptr), resource);
}

// A label sized to its caption at a place on its parent.
inline TLabel* PlaceLabel(TComponent* owner, TWinControl* parent, const char* name,
                          const char* caption, int left, int top) {
  TLabel* label = Place<TLabel>(owner, parent, name);
  label->SetCaption(caption);
  label->SetLeft(left);
  label->SetTop(top);
  return label;
}

// A profile editor under a header panel whose "-" button folds it (runs fold). Groups are
// stacked top to bottom on the parent in the order they are placed.
struct TEditorGroup {
  TPanel* panel;
  TButton* button;
  TValueListEditor* editor;
};
TEditorGroup PlaceEditorGroup(TComponent* owner, TWinControl* parent, const char* panelName,
                              const char* caption, const char* buttonName,
                              const char* editorName, int keyWidth, int valueWidth,
                              const TNotifyEvent& fold);
