// The timer fires while enabled, and not while its form is still being built.
#include "framework/Timer.h"

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

TEST(Timer, FiresEveryIntervalWhileEnabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.SetInterval(20);
  timer.OnTimer = [&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    ++ticks;
  };
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer.SetEnabled(false);
  int stopped = ticks;
  Pump(100);
  EXPECT_EQ(ticks, stopped);
}

TEST(Timer, AZeroIntervalStopsIt) {
  TTimer timer(nullptr);
  int ticks = 0;
  timer.OnTimer = [&](TObject*) { ++ticks; };
  timer.SetInterval(0);
  Pump(100);
  EXPECT_EQ(ticks, 0);
  timer.SetInterval(10);
  EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
}

TEST(Timer, StartsOnceItsOwnerHasLoaded) {
  TComponent owner(nullptr);
  owner.BeginLoading();
  auto* timer = new TTimer(&owner);
  int ticks = 0;
  timer->SetInterval(10);
  timer->OnTimer = [&](TObject*) { ++ticks; };
  Pump(80);
  EXPECT_EQ(ticks, 0);
  owner.EndLoading();
  EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
}

}  // namespace
