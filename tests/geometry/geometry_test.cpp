#include "geometry/geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "platform/exceptions.h"
#include "platform/extended.h"

namespace fillmap {
namespace {

// The documented values are 32-bit results shown to at most seven significant digits.
std::string seven(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", static_cast<double>(v));
  return text;
}

const float thirty_degrees = static_cast<float>(3.14159265358979323846L / 6);

struct Tank {
  std::uint8_t shape;
  float d, l, l1, angle;
};

void set_tank(const Tank& tank) {
  tank_state = TankState{};
  tank_state.tank_shape = tank.shape;
  tank_state.diameter = tank.d;
  tank_state.length_cyl = tank.l;
  tank_state.length_con = tank.l1;
  tank_state.angle = tank.angle;
}

class Geometry : public ::testing::Test {
 protected:
  void SetUp() override { clear_pending_faults(); }
  void TearDown() override { tank_state = TankState{}; }
};

struct LevelCase {
  const char* name;
  Tank tank;
  float p;
  const char* height;
  const char* volume;
};

TEST_F(Geometry, LevelsGiveTheDocumentedHeightsAndVolumes) {
  const Tank sphere{0, 10, 0, 0, 0};
  const Tank cone{1, 2, 3, 1, 0};
  const Tank flat_bottom{1, 2, 3, 0, 0};
  const Tank horizontal{2, 2, 5, 0, 0};
  const Tank inclined{2, 2, 10, 0, thirty_degrees};
  const Tank upright{2, 2, 10, 0, 1.5707962513f};
  const LevelCase cases[] = {
      {"sphere empty", sphere, 0, "0", "0"},
      {"sphere quarter", sphere, 0.25f, "2.5", "81.81231"},
      {"sphere half", sphere, 0.5f, "5", "261.7994"},
      {"sphere full", sphere, 1, "10", "523.5988"},
      {"cone empty", cone, 0, "0", "0"},
      {"cone formula", cone, 0.125f, "0.5", "0.1308997"},
      {"cone at its rim", cone, 0.25f, "1", "1.047198"},
      {"cone in cylinder", cone, 0.5f, "2", "4.18879"},
      {"cone full", cone, 1, "4", "10.47198"},
      {"flat bottom empty", flat_bottom, 0, "0", "0"},
      {"flat bottom half", flat_bottom, 0.5f, "1.5", "4.712389"},
      {"flat bottom full", flat_bottom, 1, "3", "9.424778"},
      {"horizontal empty", horizontal, 0, "0", "0"},
      {"horizontal quarter", horizontal, 0.25f, "0.5", "3.070925"},
      {"horizontal half", horizontal, 0.5f, "1", "7.853982"},
      {"horizontal three quarters", horizontal, 0.75f, "1.5", "12.63704"},
      {"horizontal full", horizontal, 1, "2", "15.70796"},
      {"inclined empty", inclined, 0, "0", "0"},
      {"inclined tenth", inclined, 0.1f, "0.6732051", "0.6344438"},
      {"inclined quarter", inclined, 0.25f, "1.683013", "5.134274"},
      {"inclined half", inclined, 0.5f, "3.366025", "15.70796"},
      {"inclined three quarters", inclined, 0.75f, "5.049038", "26.28165"},
      {"inclined full", inclined, 1, "6.732051", "31.41593"},
      {"nearly upright tenth", upright, 0.1f, nullptr, "3.141593"},
      {"nearly upright quarter", upright, 0.25f, nullptr, "7.853981"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    set_tank(c.tank);
    const float volume = level_to_volume(c.tank.shape, c.p);
    if (c.height) {
      EXPECT_EQ(seven(tank_state.level_height), c.height);
    }
    EXPECT_EQ(seven(volume), c.volume);
    EXPECT_EQ(volume, tank_state.level_volume);
  }
}

TEST_F(Geometry, DishedEndsGiveTheDocumentedVolumes) {
  struct Case {
    const char* name;
    Tank tank;
    float p;
    const char* volume;
  };
  const Case cases[] = {
      {"shallow horizontal empty", {3, 2, 5, 0, 0}, 0, "0"},
      {"deep horizontal empty", {4, 2, 5, 0, 0}, 0, "0"},
      {"hemispherical horizontal empty", {5, 2, 5, 0, 0}, 0, "0"},
      {"shallow horizontal half", {3, 2, 5, 0, 0}, 0.5f, "8.501182"},
      {"deep horizontal half", {4, 2, 5, 0, 0}, 0.5f, "8.901179"},
      {"hemispherical horizontal half", {5, 2, 5, 0, 0}, 0.5f, "9.948378"},
      {"shallow horizontal full", {3, 2, 5, 0, 0}, 1, "17.00236"},
      {"deep horizontal full", {4, 2, 5, 0, 0}, 1, "17.80236"},
      {"hemispherical horizontal full", {5, 2, 5, 0, 0}, 1, "19.89675"},
      {"hemispherical inclined tenth", {5, 2, 10, 0, thirty_degrees}, 0.1f, "1.337683"},
      {"shallow inclined half", {3, 2, 10, 0, thirty_degrees}, 0.5f, "16.35516"},
      {"deep inclined half", {4, 2, 10, 0, thirty_degrees}, 0.5f, "16.75516"},
      {"hemispherical inclined half", {5, 2, 10, 0, thirty_degrees}, 0.5f, "17.80236"},
      {"shallow inclined full", {3, 2, 10, 0, thirty_degrees}, 1, "32.71033"},
      {"deep inclined full", {4, 2, 10, 0, thirty_degrees}, 1, "33.51032"},
      {"hemispherical inclined full", {5, 2, 10, 0, thirty_degrees}, 1, "35.60472"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    set_tank(c.tank);
    EXPECT_EQ(seven(level_to_volume(c.tank.shape, c.p)), c.volume);
  }
}

TEST_F(Geometry, OneEndHoldsItsShareOfTheFullEnd) {
  set_tank({3, 2, 5, 0, 0});
  EXPECT_EQ(seven(shallow_end_volume(1)), "0.6472");
  EXPECT_EQ(seven(deep_end_volume(1)), "1.047198");
  EXPECT_EQ(seven(hemispherical_end_volume(1)), "2.094395");
  EXPECT_EQ(seven(hemispherical_end_volume(0.5f)), "1.047198");
  // A fraction beyond the rim counts as a full or an empty end.
  EXPECT_EQ(deep_end_volume(1.5f), deep_end_volume(1));
  EXPECT_EQ(deep_end_volume(-0.5f), 0.0f);
}

TEST_F(Geometry, ClampUnitKeepsFractionsBetweenZeroAndOne) {
  struct Case {
    float in, out;
  };
  for (const auto& c : {Case{-0.5f, 0}, Case{1.5f, 1}, Case{0, 0}, Case{0.3f, 0.3f}, Case{1, 1},
                        Case{std::numeric_limits<float>::quiet_NaN(), 0}}) {
    float v = c.in;
    clamp_unit(v);
    EXPECT_EQ(v, c.out) << c.in;
    EXPECT_FALSE(std::signbit(v)) << c.in;
  }
}

TEST_F(Geometry, SegmentIntegralRunsFromZeroToOneHalf) {
  set_tank({2, 2, 5, 0, 0});
  EXPECT_EQ(segment_integral(0), 0.0f);
  EXPECT_EQ(seven(segment_integral(0.5f)), "0.1061033");
  EXPECT_EQ(segment_integral(1), 0.5f);
  EXPECT_EQ(segment_integral(-2), 0.0f);
  EXPECT_EQ(segment_integral(3), 0.5f);
}

TEST_F(Geometry, CubeRoundsOnce) {
  // (v*v) rounded and then multiplied differs in the last bit from the single rounding.
  const float v = 0x1.00093ep+0f;  // the first float above 1 where the two differ
  const float once = static_cast<float>(static_cast<long double>(v) * v * v);
  EXPECT_EQ(cube(v), once);
  EXPECT_NE(cube(v), static_cast<float>(static_cast<long double>(square(v)) * v));
}

TEST_F(Geometry, UnknownShapeCodeEvaluatesNothing) {
  set_tank({0, 10, 0, 0, 0});
  tank_state.level_height = 1.25f;
  tank_state.level_volume = 7.5f;
  EXPECT_EQ(level_to_volume(6, 0.5f), 7.5f);
  EXPECT_EQ(level_to_volume(255, 0.5f), 7.5f);
  EXPECT_EQ(tank_state.level_height, 1.25f);
  EXPECT_EQ(tank_state.level_volume, 7.5f);
}

// The tanks every sweep runs over: each shape, horizontal and inclined where it applies.
std::vector<Tank> sweep_tanks() {
  std::vector<Tank> tanks{
      {0, 10, 0, 0, 0}, {0, 0.37f, 0, 0, 0}, {1, 2, 3, 1, 0}, {1, 2, 3, 0, 0}, {1, 0.5f, 9, 4, 0}};
  const float angles[] = {0, 1e-3f, 0.1f, thirty_degrees, 1.2f, 1.5707962513f};
  const Tank cylinders[] = {{0, 2, 10, 0, 0}, {0, 3.5f, 1.25f, 0, 0}};
  for (std::uint8_t shape = 2; shape <= 5; ++shape)
    for (const auto& cylinder : cylinders)
      for (const float angle : angles) tanks.push_back({shape, cylinder.d, cylinder.l, 0, angle});
  return tanks;
}

std::string describe(const Tank& t) {
  return "shape " + std::to_string(t.shape) + " d " + std::to_string(t.d) + " L " +
         std::to_string(t.l) + " L1 " + std::to_string(t.l1) + " a " + std::to_string(t.angle);
}

TEST_F(Geometry, VolumeRisesFromEmptyToFullOverEveryLevel) {
  for (const auto& tank : sweep_tanks()) {
    SCOPED_TRACE(describe(tank));
    set_tank(tank);
    const float full = level_to_volume(tank.shape, 1);
    EXPECT_EQ(level_to_volume(tank.shape, 0), 0.0f);
    float previous = 0;
    for (int i = 1; i <= 400; ++i) {
      const float p = static_cast<float>(i) / 400;
      const float volume = level_to_volume(tank.shape, p);
      ASSERT_GE(volume, previous) << "p " << p;
      previous = volume;
    }
    EXPECT_EQ(previous, full);
    // A level a few float steps above 1, as the last table row may have, stays full where the
    // fill is clamped; only the cone-bottomed tank keeps rising with its height.
    float above = 1;
    for (int step = 0; step < 4; ++step) above = std::nextafter(above, 2.0f);
    const float beyond = level_to_volume(tank.shape, above);
    if (tank.shape == shape_conical) {
      EXPECT_GE(beyond, full);
    } else {
      EXPECT_EQ(beyond, full);
    }
  }
}

TEST_F(Geometry, HalvesOfACylinderAddUpToTheFullVolume) {
  for (const auto& tank : sweep_tanks()) {
    if (tank.shape < shape_flat_ends) continue;
    SCOPED_TRACE(describe(tank));
    set_tank(tank);
    const float full = level_to_volume(tank.shape, 1);
    for (int i = 0; i <= 50; ++i) {
      const float p = static_cast<float>(i) / 50;
      const float sum = level_to_volume(tank.shape, p) + level_to_volume(tank.shape, 1 - p);
      // Each volume carries the 32-bit rounding of its integrals multiplied by b, which grows
      // as the angle shrinks, so the tolerance follows b.
      const float b = tank.angle == 0 ? 1 : tank.d / tank.l / std::tan(tank.angle);
      EXPECT_NEAR(sum, full, full * 4e-6f * std::max(1.0f, b)) << "p " << p;
    }
  }
}

TEST_F(Geometry, HorizontalHemisphericalEndsHoldWhatTheSphereHolds) {
  for (int i = 0; i <= 100; ++i) {
    const float p = static_cast<float>(i) / 100;
    set_tank({0, 2.75f, 0, 0, 0});
    const float sphere = level_to_volume(shape_spherical, p);
    const float ends = 2 * hemispherical_end_volume(p);
    EXPECT_EQ(ends, sphere) << "p " << p;
  }
}

TEST_F(Geometry, FaultsSurfaceAsTheirExceptions) {
  // A cone so shallow that L1^2 underflows to 0 divides by zero in the cone formula.
  set_tank({1, 2, 3, 1e-30f, 0});
  EXPECT_THROW(level_to_volume(shape_conical, 0), EZeroDivide);
  // A diameter whose cube leaves the float range overflows when it is rounded.
  set_tank({0, 1e13f, 0, 0, 0});
  try {
    level_to_volume(shape_spherical, 0.5f);
    FAIL() << "no fault";
  } catch (const EOverflow& e) {
    EXPECT_STREQ(e.what(), "Floating point overflow");
  }
}

TEST_F(Geometry, RoundingIntoAFloatRaisesTheMatchingFault) {
  EXPECT_EQ(round_to_float(0x1.fffffefffp127L), std::numeric_limits<float>::max());
  EXPECT_THROW(round_to_float(0x1.ffffffp127L), EOverflow);
  EXPECT_THROW(round_to_float(-1e39L), EOverflow);
  EXPECT_EQ(round_to_float(1e-50L), 0.0f);  // underflow passes silently
  volatile extended zero = 0;
  EXPECT_THROW(round_to_float(1 / zero), EZeroDivide);
  EXPECT_THROW(round_to_float(zero / zero), EInvalidOp);
  try {
    round_to_float(zero / zero);
  } catch (const EMathError& e) {
    EXPECT_STREQ(e.what(), "Invalid floating point operation");
  }
  EXPECT_EQ(round_to_float(2.5L), 2.5f);  // the fault was cleared when it was raised
}

}  // namespace
}  // namespace fillmap
