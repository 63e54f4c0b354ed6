// Dragging one control onto another: the capture, the target under the cursor and its
// answer, the cursor shown, the drop, and the ways a drag ends without one.
#include "framework/ExtCtrls.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class DragTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    source = Panel(10, 10);
    taker = Panel(150, 10);
    refuser = Panel(10, 150);
    for (TPanel* target : {source, taker, refuser}) {
      target->OnDragOver = [this, target](TObject* sender, TObject* from, int, int,
                                          TDragState state, bool& accept) {
        EXPECT_EQ(sender, target);
        EXPECT_EQ(from, source);
        if (state == dsDragEnter) {
          EXPECT_EQ(GetCapture(), source->Handle()) << "the source holds the mouse";
          log.push_back("enter " + target->Name());
        }
        if (state == dsDragLeave) log.push_back("leave " + target->Name());
        accept = target == taker;
      };
      target->OnDragDrop = [this, target](TObject*, TObject*, int x, int y) {
        log.push_back("drop " + target->Name() + " " + std::to_string(x) + "," +
                      std::to_string(y));
      };
    }
    source->OnEndDrag = [this](TObject*, TObject* target, int, int) {
      log.push_back(std::string("end ") + (target ? static_cast<TControl*>(target)->Name() : "none"));
      endCursor = GetCursor();
    };
    source->OnClick = [this](TObject*) { log.push_back("click"); };
  }
  TPanel* Panel(int left, int top) {
    auto* panel = new TPanel(form);
    panel->SetName("p" + std::to_string(left) + "_" + std::to_string(top));
    panel->SetBounds(left, top, 100, 100);
    panel->SetParent(form);
    return panel;
  }
  // Posts mouse input as the source would receive it with the capture: at points in the
  // form's client area, turned into the source's coordinates.
  void Post(UINT message, const TPoint& onForm) {
    POINT p{onForm.x, onForm.y};
    MapWindowPoints(form->Handle(), source->Handle(), &p, 1);
    PostMessageA(source->Handle(), message, message == WM_MOUSEMOVE ? MK_LBUTTON : 0,
                 MAKELPARAM(p.x, p.y));
  }

  TPanel* source = nullptr;
  TPanel* taker = nullptr;
  TPanel* refuser = nullptr;
  std::vector<std::string> log;
  HCURSOR endCursor = nullptr;
};

TEST_F(DragTest, ADragEndsWithADropOnlyOverATargetThatAccepts) {
  Pump(20);
  struct Case {
    const char* note;
    std::vector<TPoint> moves;  // on the form, the release at the last
    std::vector<std::string> log;
    LPCSTR cursor;
  };
  for (const Case& c : {
           Case{"onto the taker, through the refuser",
                {{60, 200}, {200, 60}},
                {"enter p10_150", "leave p10_150", "enter p150_10", "drop p150_10 50,50",
                 "end p150_10"},
                IDC_ARROW},
           Case{"onto the refuser", {{60, 200}}, {"enter p10_150", "leave p10_150", "end none"},
                IDC_NO},
           Case{"onto itself", {{40, 40}}, {"enter p10_10", "leave p10_10", "end none"}, IDC_NO},
       }) {
    log.clear();
    SetCursorPos(2, 2);  // off the form: the drag starts over no control
    for (const TPoint& p : c.moves) Post(WM_MOUSEMOVE, p);
    Post(WM_LBUTTONUP, c.moves.back());
    source->BeginDrag(true);
    EXPECT_EQ(log, c.log) << c.note;
    EXPECT_EQ(endCursor, LoadCursorA(nullptr, c.cursor)) << c.note;
    EXPECT_FALSE(source->Dragging()) << c.note;
    EXPECT_EQ(GetCapture(), nullptr) << c.note;
  }
}

TEST_F(DragTest, EscapeTheRightButtonAndAShortMoveEndWithoutADrop) {
  Pump(20);
  struct Case {
    const char* note;
    bool immediate;
    UINT ending;  // after a move onto the taker
    std::vector<std::string> log;
  };
  for (const Case& c : {
           Case{"Esc", true, WM_KEYDOWN, {"enter p150_10", "leave p150_10", "end none"}},
           Case{"right button", true, WM_RBUTTONDOWN,
                {"enter p150_10", "leave p150_10", "end none"}},
           // Within the platform's drag distance the release is the click's.
           Case{"not moved far enough", false, WM_LBUTTONUP, {"click"}},
       }) {
    log.clear();
    POINT start{60, 60};
    ClientToScreen(form->Handle(), &start);
    SetCursorPos(c.immediate ? 2 : start.x, c.immediate ? 2 : start.y);
    if (c.immediate) {
      Post(WM_MOUSEMOVE, TPoint(200, 60));
      PostMessageA(source->Handle(), c.ending, c.ending == WM_KEYDOWN ? VK_ESCAPE : MK_RBUTTON, 0);
    } else {
      Post(WM_MOUSEMOVE, TPoint(61, 61));
      // A button up as the framework sees it after its own button down.
      source->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 50));
      Post(WM_LBUTTONUP, TPoint(61, 61));
    }
    source->BeginDrag(c.immediate);
    Pump(20);
    EXPECT_EQ(log, c.log) << c.note;
    EXPECT_FALSE(source->Dragging()) << c.note;
  }
}

}  // namespace
