// String lists: text in and out, name=value lines, sorting, duplicates, owned objects.
#include <gtest/gtest.h>

#include "framework/Classes.h"

namespace {

TEST(StringList, TextSplitsAtEveryLineBreakAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("one\r\ntwo\nthree\rfour");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[3], "four");
  EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.Add("Output Path=C:\\a=b");
  list.Add("plain");
  EXPECT_EQ(list.Values("output path"), "C:\\a=b");
  EXPECT_EQ(list.Names(0), "Output Path");
  EXPECT_EQ(list.Names(1), "");
  list.SetValues("Mode", "2");
  EXPECT_EQ(list.IndexOfName("MODE"), 2);
  list.SetValues("Mode", "");   // an empty value takes the line away
  EXPECT_EQ(list.Count(), 2);
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicatesAsAsked) {
  TStringList list;
  list.SetSorted(true);
  list.Add("b");
  list.Add("A");
  list.Add("c");
  EXPECT_EQ(list.Text(), "A\r\nb\r\nc\r\n");
  EXPECT_EQ(list.Add("B"), 1);   // ignored: already there
  EXPECT_EQ(list.Count(), 3);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add("a"), EStringListError);
  list.SetDuplicates(dupAccept);
  list.Add("a");
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.IndexOf("C"), 3);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
}

TEST(StringList, ChangeEventsWaitForTheLastEndUpdate) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("a");
  list.Add("b");
  list.EndUpdate();
  EXPECT_EQ(changes, 0);
  list.EndUpdate();
  EXPECT_EQ(changes, 1);
  list.Exchange(0, 1);
  EXPECT_EQ(list[0], "b");
  EXPECT_THROW(list.Get(5), EStringListError);
}

TEST(StringList, FreesItsObjectsWhenItOwnsThem) {
  struct Counted : TObject {
    explicit Counted(int& n) : alive(n) { ++alive; }
    ~Counted() override { --alive; }
    int& alive;
  };
  int alive = 0;
  {
    TStringList list;
    list.SetOwnsObjects(true);
    list.AddObject("a", new Counted(alive));
    list.AddObject("b", new Counted(alive));
    list.Delete(0);
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
}

TEST(StringList, AssignCopiesLinesAndObjectsAndRefusesOtherKinds) {
  TStringList a, b;
  TObject marker;
  a.AddObject("x", &marker);
  b.Assign(&a);
  EXPECT_EQ(b.Objects(0), &marker);
  EXPECT_TRUE(b.Equals(&a));
  TComponent component(nullptr);
  EXPECT_THROW(b.Assign(&component), EConvertError);
}

}  // namespace
