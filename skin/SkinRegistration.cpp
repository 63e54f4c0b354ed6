// The table of framework control classes and their skinners. The engine searches it from
// the end, so a later, more specific class wins over an earlier, more general one.
#include "skin/SkinRegistration.h"

#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Grids.h"
#include "framework/HotKey.h"
#include "framework/ScrollBox.h"
#include "framework/StdCtrls.h"
#include "framework/TreeView.h"
#include "skin/SkinBars.h"
#include "skin/SkinBoxes.h"
#include "skin/SkinButtons.h"
#include "skin/SkinDatePicker.h"
#include "skin/SkinTabs.h"
#include "skin/SkinToolBar.h"

void RegisterStdControlSkinners() {
  static const bool registered = [] {
    RegisterControlSkinner<TCustomControl, TkivSkinScrollWinControl>();
    RegisterControlSkinner<TCustomFrame, TkivSkinFrame>();
    RegisterControlSkinner<TScrollBox, TkivSkinScrollWinControl>();
    RegisterControlSkinner<TToolBar, TkivSkinToolBar>();
    RegisterControlSkinner<TCustomStatusBar, TkivSkinStatusBar>();
    RegisterControlSkinner<TDateTimePicker, TkivSkinDateTimePicker>();
    RegisterControlSkinner<TCustomTreeView, TkivSkinScrollWinControl>();
    RegisterControlSkinner<TCustomUpDown, TkivSkinUpDown>();
    RegisterControlSkinner<TCustomHotKey, TkivSkinBorderWinControl>();
    RegisterControlSkinner<TProgressBar, TkivSkinProgressBar>();
    RegisterControlSkinner<TTrackBar, TkivSkinTrackBar>();
    RegisterControlSkinner<TCustomTabControl, TkivSkinTabControl>();
    RegisterControlSkinner<TCustomGrid, TkivSkinGrid>();
    RegisterControlSkinner<TSpeedButton, TkivSkinSpeedButton>();
    RegisterControlSkinner<TCustomPanel, TkivSkinPanel>();
    RegisterControlSkinner<TCustomGroupBox, TkivSkinGroupBox>();
    RegisterControlSkinner<TScrollBar, TkivSkinScrollBar>();
    RegisterControlSkinner<TCustomListControl, TkivSkinScrollWinControl>();
    RegisterControlSkinner<TRadioButton, TkivSkinRadioButton>();
    RegisterControlSkinner<TCustomComboBox, TkivSkinComboBox>();
    RegisterControlSkinner<TCustomCheckBox, TkivSkinCheckBox>();
    RegisterControlSkinner<TCustomEdit, TkivSkinScrollWinControl>();
    RegisterControlSkinner<TButton, TkivSkinButton>();
    return true;
  }();
  (void)registered;
}
