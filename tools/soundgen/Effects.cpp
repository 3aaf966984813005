#include "Effects.h"

#include <algorithm>
#include <cmath>

#include "assets/SampleNames.h"

namespace soundgen {
namespace {

double Seconds(size_t i) {
  return static_cast<double>(i) / SampleRate;
}

// A short bell-like ping: two-operator FM with a quickly falling brightness.
Buffer FmPing(double seconds, double hz, double ratio, double index, double halfLife,
              double attack = 0.002) {
  Buffer b = MakeBuffer(seconds);
  tOsc carrier, modulator;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double env = AttackDecay(t, attack, halfLife);
    const double mod = modulator.Sine(hz * ratio) * index * ExpDecay(t, halfLife * 0.5);
    b[i] = env * carrier.Sine(hz * (1.0 + mod * 0.5));
  }
  return b;
}

// Menu click: a damped pair of partials.
Buffer Tick(double seconds, double hz, double halfLife) {
  Buffer b = MakeBuffer(seconds);
  tOsc a, c;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    b[i] = AttackDecay(t, 0.001, halfLife) * (0.7 * a.Sine(hz) + 0.3 * c.Sine(hz * 2.76));
  }
  return b;
}

// Filtered noise whose cutoff glides from one frequency to another (a whoosh).
Buffer Whoosh(std::uint64_t seed, double seconds, double fromHz, double toHz, double q) {
  tRng rng(seed);
  Buffer b = MakeBuffer(seconds);
  tStateVariable filter;
  for (size_t i = 0; i < b.size(); ++i) {
    const double x = Seconds(i) / seconds;
    const double hz = fromHz * std::pow(toHz / fromHz, x);
    const double env = std::sin(Pi * std::pow(x, 0.7));
    b[i] = env * filter.Step(rng.Bipolar(), hz, q).Band;
  }
  return b;
}

// Stone dragged over stone: rumbling low noise, rough with random grain, and a faint
// squeal of grit at `gritHz`.
Buffer StoneGrind(std::uint64_t seed, double seconds, double rumbleHz, double gritHz,
                  double attack) {
  tRng rng(seed);
  Buffer b = MakeBuffer(seconds);
  tStateVariable rumble, grit;
  tOnePole roughness;
  double grain = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    if (rng.Uniform() < 0.004) grain = rng.Range(0.3, 1.0);  // the stone catches and slips
    grain *= 0.9994;
    const double rough = roughness.Step(0.45 + grain, 30.0);
    const double low =
        rumble.Step(rng.Bipolar(), rumbleHz * (1.0 + 0.2 * std::sin(TwoPi * 3.1 * t)), 1.2).Low;
    const double high = grit.Step(rng.Bipolar(), gritHz, 3.0).Band;
    const double env = Ramp(t, 0, attack) * (1.0 - Ramp(t, seconds * 0.7, seconds));
    b[i] = env * rough * (1.6 * low + 0.25 * high * rough);
  }
  return b;
}

// A heavy body landing: a falling low sine with a noisy knock on top.
Buffer Thud(std::uint64_t seed, double seconds, double fromHz, double toHz, double halfLife,
            double knock) {
  tRng rng(seed);
  Buffer b = MakeBuffer(seconds);
  tOsc body;
  tStateVariable knockFilter;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double hz = toHz + (fromHz - toHz) * ExpDecay(t, 0.03);
    const double n = knockFilter.Step(rng.Bipolar(), 900.0, 0.8).Low;
    b[i] = AttackDecay(t, 0.002, halfLife) * body.Sine(hz) + knock * ExpDecay(t, 0.012) * n;
  }
  return b;
}

// A blast: a burst of noise whose brightness dies away, a deep thump under it, and
// scattered crackles of debris.
Buffer Explosion(std::uint64_t seed, double seconds, double thumpHz, double size) {
  tRng rng(seed);
  Buffer b = MakeBuffer(seconds);
  tStateVariable body, crackle;
  tOsc thump;
  double spark = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double cutoff = 150.0 + 4000.0 * ExpDecay(t, 0.08 * size);
    const double rumble = body.Step(rng.Bipolar(), cutoff, 0.9).Low;
    const double env = AttackDecay(t, 0.004, 0.22 * size);
    if (rng.Uniform() < 0.0025 * ExpDecay(t, 0.3 * size)) spark = rng.Range(0.4, 1.0);
    spark *= 0.995;
    const double debris = crackle.Step(rng.Bipolar(), 2500.0, 2.0).Band * spark;
    const double low =
        thump.Sine(thumpHz * (0.6 + 0.8 * ExpDecay(t, 0.05))) * AttackDecay(t, 0.003, 0.12 * size);
    b[i] = 1.4 * env * rumble + 0.9 * low + 0.5 * debris;
  }
  return b;
}

// Many small crumbs of stone falling: short bursts of band-passed noise at random times.
Buffer Crumble(std::uint64_t seed, double seconds, int grains, double baseHz) {
  tRng rng(seed);
  Buffer b = MakeBuffer(seconds);
  for (int g = 0; g < grains; ++g) {
    const double start = seconds * 0.8 * std::pow(rng.Uniform(), 1.6);
    const double hz = baseHz * rng.Range(0.6, 2.5);
    const double len = rng.Range(0.015, 0.05);
    const double gain = rng.Range(0.3, 1.0) * ExpDecay(start, 0.25);
    tStateVariable f;
    Buffer grain = MakeBuffer(len);
    for (size_t i = 0; i < grain.size(); ++i)
      grain[i] = ExpDecay(Seconds(i), len / 5) * f.Step(rng.Bipolar(), hz, 4.0).Band;
    Mix(b, grain, gain * 2.0, Samples(start));
  }
  return b;
}

// Menu sounds.
Buffer MenuMove() {
  return Tick(0.10, 1320.0, 0.012);
}
Buffer MenuMouseMove() {
  return Tick(0.10, 1975.0, 0.006);
}
Buffer MenuSelect() {
  Buffer b = MakeBuffer(0.30);
  Mix(b, FmPing(0.15, 784.0, 2.0, 1.2, 0.03), 0.8);
  Mix(b, FmPing(0.22, 1175.0, 2.0, 1.2, 0.05), 1.0, Samples(0.07));
  return b;
}
Buffer MenuClose() {
  Buffer b = MakeBuffer(0.25);
  Mix(b, FmPing(0.12, 1047.0, 2.0, 1.0, 0.025), 0.8);
  Mix(b, FmPing(0.18, 698.0, 2.0, 1.0, 0.04), 1.0, Samples(0.06));
  return b;
}
Buffer Slider() {
  tRng rng(11);
  Buffer b = MakeBuffer(0.10);
  tStateVariable f;
  tOsc o;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    b[i] =
        ExpDecay(t, 0.006) * (0.6 * f.Step(rng.Bipolar(), 3000.0, 3.0).Band + 0.5 * o.Sine(2200.0));
  }
  return b;
}
Buffer InvalidOption() {
  // Two low, buzzy "nuh-uh" pulses.
  Buffer b = MakeBuffer(0.32);
  tOsc o;
  tStateVariable f;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double gate =
        (t < 0.12 ? Ramp(t, 0, 0.005) * (1 - Ramp(t, 0.10, 0.12)) : 0.0) +
        (t >= 0.16 && t < 0.31 ? Ramp(t, 0.16, 0.165) * (1 - Ramp(t, 0.27, 0.31)) : 0.0);
    const double hz = t < 0.14 ? 150.0 : 130.0;
    b[i] = gate * f.Step(o.Square(hz), 900.0, 1.0).Low;
  }
  return b;
}
Buffer MainMenuOpen() {
  Buffer b = Whoosh(21, 0.6, 250.0, 3500.0, 1.5);
  Scale(b, 0.6);
  Mix(b, StoneGrind(22, 0.5, 120.0, 900.0, 0.05), 0.35);
  Mix(b, FmPing(0.3, 1568.0, 3.0, 0.8, 0.06), 0.35, Samples(0.3));
  return b;
}
Buffer MainMenuClose() {
  Buffer b = Whoosh(23, 0.5, 3000.0, 220.0, 1.5);
  Scale(b, 0.6);
  Mix(b, Thud(24, 0.2, 160.0, 80.0, 0.04, 0.4), 0.4, Samples(0.3));
  return b;
}

// Teleport: a rising (or falling) shimmer of frequency-modulated tones with sparkles.
Buffer Teleport(bool in) {
  tRng rng(in ? 31 : 32);
  const double seconds = 0.85;
  Buffer b = MakeBuffer(seconds);
  tOsc c1, c2, m1, lfo;
  tStateVariable air;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double x = t / seconds;
    const double sweep = in ? x : 1.0 - x;
    const double hz = 220.0 * std::pow(8.0, sweep);
    const double vib = 1.0 + 0.03 * lfo.Sine(14.0);
    const double mod = m1.Sine(hz * 1.5) * 1.5;
    const double tone = 0.5 * c1.Sine(hz * vib * (1 + 0.3 * mod)) + 0.3 * c2.Sine(hz * 2.01 * vib);
    const double sparkle = air.Step(rng.Bipolar(), 3000.0 + 5000.0 * sweep, 6.0).Band;
    const double env = Ramp(t, 0, in ? 0.25 : 0.03) * (1.0 - Ramp(t, in ? 0.6 : 0.4, seconds));
    b[i] = env * (tone + 0.6 * sparkle);
  }
  return b;
}

Buffer SpiderMunching() {
  // Four wet, crunchy bites.
  tRng rng(41);
  Buffer b = MakeBuffer(0.65);
  for (int k = 0; k < 4; ++k) {
    Buffer bite = MakeBuffer(0.12);
    tStateVariable f;
    for (size_t i = 0; i < bite.size(); ++i) {
      const double t = Seconds(i);
      const double crunch = rng.Uniform() < 0.08 ? rng.Bipolar() * 3.0 : rng.Bipolar();
      bite[i] = AttackDecay(t, 0.004, 0.025) *
                f.Step(crunch, 700.0 + 900.0 * ExpDecay(t, 0.02), 2.0).Band;
    }
    Mix(b, bite, k % 2 ? 0.8 : 1.0, Samples(0.02 + 0.15 * k));
  }
  return b;
}

Buffer Splosh() {
  // The slap of water, its spray, and a few bubbles rising in pitch.
  tRng rng(51);
  const double seconds = 0.7;
  Buffer b = MakeBuffer(seconds);
  tStateVariable slap, spray;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double n = rng.Bipolar();
    b[i] = 1.2 * AttackDecay(t, 0.003, 0.04) *
               slap.Step(n, 600.0 + 1500.0 * ExpDecay(t, 0.05), 1.5).Band +
           0.5 * AttackDecay(t, 0.02, 0.12) * spray.Step(n, 4500.0, 1.0).High;
  }
  for (int k = 0; k < 6; ++k) {
    const double start = rng.Range(0.04, 0.4);
    const double hz = rng.Range(500.0, 1100.0);
    const double len = rng.Range(0.04, 0.09);
    Buffer bubble = MakeBuffer(len);
    tOsc o;
    for (size_t i = 0; i < bubble.size(); ++i) {
      const double t = Seconds(i);
      bubble[i] = std::sin(Pi * t / len) * o.Sine(hz * (1.0 + 2.0 * t / len));
    }
    Mix(b, bubble, 0.25, Samples(start));
  }
  return b;
}

Buffer CollectKey() {
  // A small key's metallic jingle: two bright strikes.
  Buffer b = MakeBuffer(0.9);
  Mix(b, FmPing(0.8, 1319.0, 3.51, 2.0, 0.18), 0.7);
  Mix(b, FmPing(0.75, 1976.0, 3.51, 1.6, 0.2), 0.6, Samples(0.09));
  Mix(b, FmPing(0.6, 2637.0, 1.41, 0.8, 0.12), 0.25, Samples(0.09));
  return b;
}

Buffer CollectGem() {
  // A jewel's sparkle: a quick rising run of glassy pings and a shimmer of high noise.
  Buffer b = MakeBuffer(0.9);
  const double notes[] = {1568.0, 2093.0, 2637.0, 3136.0, 4186.0};
  for (int k = 0; k < 5; ++k)
    Mix(b, FmPing(0.5, notes[k], 4.0, 0.6, 0.09), 0.45, Samples(0.045 * k));
  tRng rng(61);
  tStateVariable f;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double twinkle = 0.5 + 0.5 * std::sin(TwoPi * 23.0 * t);
    b[i] += 0.12 * AttackDecay(t, 0.05, 0.15) * twinkle * f.Step(rng.Bipolar(), 6500.0, 4.0).Band;
  }
  return b;
}

Buffer ClearRubble() {
  Buffer b = Crumble(71, 0.6, 60, 1200.0);
  Mix(b, StoneGrind(72, 0.35, 200.0, 1500.0, 0.01), 0.5);
  return b;
}

Buffer SnakeAngry() {
  // A long hiss that swells, with a rattle in it.
  tRng rng(81);
  const double seconds = 0.8;
  Buffer b = MakeBuffer(seconds);
  tStateVariable hiss;
  tOsc rattle;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double env = Ramp(t, 0, 0.12) * (1.0 - Ramp(t, 0.5, seconds));
    const double am = 0.65 + 0.35 * rattle.Sine(28.0);
    b[i] = env * am * hiss.Step(rng.Bipolar(), 5200.0, 1.2).Band;
  }
  return b;
}

Buffer SnakeFire() {
  // A spit: a sharp "ptt" of noise and a short falling squirt.
  tRng rng(82);
  Buffer b = MakeBuffer(0.3);
  tStateVariable f;
  tOsc o;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double burst = AttackDecay(t, 0.002, 0.03) *
                         f.Step(rng.Bipolar(), 3500.0 - 2500.0 * Ramp(t, 0, 0.2), 1.5).Band;
    const double squirt = AttackDecay(t, 0.005, 0.04) * o.Sine(900.0 * ExpDecay(t, 0.08) + 200.0);
    b[i] = 1.2 * burst + 0.35 * squirt;
  }
  return b;
}

Buffer Fireball() {
  // A roaring whoosh of flame with crackling.
  tRng rng(91);
  const double seconds = 0.9;
  Buffer b = MakeBuffer(seconds);
  tStateVariable roar, crack;
  tOnePole flicker;
  double spark = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double x = t / seconds;
    const double flick = flicker.Step(rng.Bipolar(), 12.0) * 4.0;
    const double cutoff = 300.0 + 1800.0 * std::sin(Pi * x) * (1.0 + 0.3 * flick);
    const double env = Ramp(t, 0, 0.08) * (1.0 - Ramp(t, 0.45, seconds));
    if (rng.Uniform() < 0.002) spark = 1.0;
    spark *= 0.993;
    b[i] = env * (1.3 * roar.Step(rng.Bipolar(), cutoff, 0.8).Low +
                  0.4 * spark * crack.Step(rng.Bipolar(), 4000.0, 3.0).Band);
  }
  return b;
}

Buffer SpiderAttack() {
  // A quick rising screech with clicking mandibles.
  tRng rng(101);
  const double seconds = 0.42;
  Buffer b = MakeBuffer(seconds);
  tOsc carrier, mod;
  tStateVariable f;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double hz = 500.0 + 900.0 * Ramp(t, 0, 0.25);
    const double screech = carrier.Sine(hz * (1.0 + 0.6 * mod.Sine(hz * 1.07)));
    const double env = Ramp(t, 0, 0.02) * (1.0 - Ramp(t, 0.25, seconds));
    const double click = std::fmod(t, 0.045) < 0.004 ? f.Step(rng.Bipolar(), 2500.0, 2.0).Band * 3.0
                                                     : f.Step(0, 2500.0, 2.0).Band;
    b[i] = 0.6 * env * screech + 0.5 * click;
  }
  return b;
}

Buffer SpiderShuffle() {
  // Eight legs scuttling: a patter of dry taps.
  tRng rng(111);
  Buffer b = MakeBuffer(0.3);
  for (int k = 0; k < 8; ++k) {
    Buffer tap = MakeBuffer(0.02);
    tStateVariable f;
    const double hz = rng.Range(1800.0, 3200.0);
    for (size_t i = 0; i < tap.size(); ++i)
      tap[i] = ExpDecay(Seconds(i), 0.003) * f.Step(rng.Bipolar(), hz, 3.0).Band;
    Mix(b, tap, rng.Range(0.5, 1.0), Samples(0.01 + 0.032 * k + rng.Range(0.0, 0.008)));
  }
  return b;
}

Buffer SpiderTrapped() {
  // A thin squeal that wobbles and sinks.
  const double seconds = 0.75;
  Buffer b = MakeBuffer(seconds);
  tOsc o, o2, wobble;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    const double hz = 1400.0 * std::pow(0.45, t / seconds) * (1.0 + 0.04 * wobble.Sine(11.0));
    const double env = Ramp(t, 0, 0.03) * (1.0 - Ramp(t, 0.45, seconds)) *
                       (0.75 + 0.25 * std::sin(TwoPi * 7.0 * t));
    b[i] = env * (0.7 * o.Sine(hz) + 0.25 * o2.Saw(hz * 2.0));
  }
  return b;
}

Buffer CherryBombFuse() {
  // A burning fuse: a steady sizzle with little pops; made a little longer than the loop
  // and blended so the end runs straight into the start.
  tRng rng(121);
  const double seconds = 1.0;
  const int overlap = Samples(0.08);
  Buffer b(static_cast<size_t>(Samples(seconds) + overlap), 0.0);
  tStateVariable sizzle, pop;
  tOnePole flutter;
  double popEnv = 0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double wobble = 0.7 + 0.3 * std::tanh(flutter.Step(rng.Bipolar(), 8.0) * 8.0);
    if (rng.Uniform() < 0.0006) popEnv = rng.Range(0.5, 1.0);
    popEnv *= 0.996;
    b[i] = wobble * 0.6 * sizzle.Step(rng.Bipolar(), 6000.0, 0.8).High +
           popEnv * pop.Step(rng.Bipolar(), 1800.0, 2.5).Band;
  }
  RemoveDc(b);
  MakeSeamlessLoop(b, overlap);
  return b;
}

Buffer CherryBombPickup() {
  // A soft pop as the bomb is plucked up, then a little rising blip.
  Buffer b = Thud(131, 0.25, 400.0, 200.0, 0.02, 0.6);
  Buffer blip = MakeBuffer(0.12);
  tOsc o;
  for (size_t i = 0; i < blip.size(); ++i) {
    const double t = Seconds(i);
    blip[i] = std::sin(Pi * t / 0.12) * o.Sine(600.0 + 900.0 * t / 0.12);
  }
  Mix(b, blip, 0.5, Samples(0.06));
  return b;
}

Buffer OpeningDoor() {
  // A heavy stone door: a low grinding slide that ends in a thunk.
  Buffer b = StoneGrind(141, 1.4, 90.0, 700.0, 0.15);
  Mix(b, Thud(142, 0.3, 110.0, 55.0, 0.08, 0.7), 0.8, Samples(1.1));
  return b;
}

Buffer DroidZap() {
  // An electric zap: a buzzing square wave whose pitch jumps about, over crackle.
  tRng rng(151);
  const double seconds = 0.35;
  Buffer b = MakeBuffer(seconds);
  tOsc buzz;
  tStateVariable f, arc;
  double hz = 220.0;
  for (size_t i = 0; i < b.size(); ++i) {
    const double t = Seconds(i);
    if (i % 441 == 0) hz = rng.Range(120.0, 900.0);
    const double env = Ramp(t, 0, 0.005) * ExpDecay(t, 0.12);
    const double tone =
        f.Step(buzz.Square(hz + 60.0 * std::sin(TwoPi * 50.0 * t)), 2500.0, 1.5).Low;
    b[i] = env * (0.6 * tone + 0.5 * arc.Step(rng.Bipolar(), 5000.0, 1.0).High);
  }
  return b;
}

Buffer PillarOut(int which) {
  // A stone column rising out of the floor: a grind whose pitch drifts differently each time.
  const double rumble[] = {140.0, 120.0, 160.0, 105.0};
  const double grit[] = {800.0, 650.0, 950.0, 720.0};
  const double length[] = {0.7, 0.75, 0.65, 0.8};
  return StoneGrind(160 + static_cast<std::uint64_t>(which), length[which], rumble[which],
                    grit[which], 0.04);
}

Buffer PillarIn() {
  // The pillar's plate sinking under a weight: a short stony clunk.
  Buffer b = Thud(171, 0.3, 240.0, 120.0, 0.035, 0.9);
  Mix(b, Crumble(172, 0.3, 12, 900.0), 0.3);
  return b;
}

Buffer PillarEnd() {
  // The column reaching its full height: a solid thud with settling grit.
  Buffer b = Thud(181, 0.5, 130.0, 60.0, 0.07, 0.8);
  Mix(b, Crumble(182, 0.5, 20, 700.0), 0.35, Samples(0.02));
  return b;
}

namespace names = qn2::samples;

}  // namespace

const std::vector<tEffect>& Effects() {
  static const std::vector<tEffect> effects = {
      {names::MenuMove, MenuMove, -4.0, false},
      {names::MenuMouseMove, MenuMouseMove, -8.0, false},
      {names::MenuSelect, MenuSelect, -3.0, false},
      {names::MenuClose, MenuClose, -3.0, false},
      {names::Slider, Slider, -6.0, false},
      {names::InvalidOption, InvalidOption, -4.0, false},
      {names::MainMenuOpen, MainMenuOpen, -3.0, false},
      {names::MainMenuClose, MainMenuClose, -3.0, false},
      {names::TeleportIn, [] { return Teleport(true); }, -3.0, false},
      {names::TeleportOut, [] { return Teleport(false); }, -3.0, false},
      {names::SpiderMunching, SpiderMunching, -3.0, false},
      {names::SpiderExplosion, [] { return Explosion(191, 1.2, 70.0, 1.0); }, -3.0, false},
      {names::Splosh, Splosh, -3.0, false},
      {names::SlideStone, [] { return StoneGrind(201, 0.7, 150.0, 900.0, 0.03); }, -3.0, false},
      {names::CollectKey, CollectKey, -3.0, false},
      {names::CollectGem, CollectGem, -3.0, false},
      {names::ClearRubble, ClearRubble, -3.0, false},
      {names::SnakeAngry, SnakeAngry, -4.0, false},
      {names::SnakeFire, SnakeFire, -3.0, false},
      {names::Fireball, Fireball, -3.0, false},
      {names::SpiderAttack, SpiderAttack, -3.0, false},
      {names::SpiderShuffle, SpiderShuffle, -5.0, false},
      {names::SpiderTrapped, SpiderTrapped, -4.0, false},
      {names::CherryBombExplosion, [] { return Explosion(211, 1.5, 55.0, 1.4); }, -3.0, false},
      {names::CherryBombFuse, CherryBombFuse, -6.0, true},
      {names::DropBomb, [] { return Thud(221, 0.3, 180.0, 70.0, 0.05, 0.5); }, -3.0, false},
      {names::CherryBombPickup, CherryBombPickup, -3.0, false},
      {names::OpeningDoor, OpeningDoor, -3.0, false},
      {names::DroidZap, DroidZap, -4.0, false},
      {names::PillarOut1, [] { return PillarOut(0); }, -3.0, false},
      {names::PillarOut2, [] { return PillarOut(1); }, -3.0, false},
      {names::PillarOut3, [] { return PillarOut(2); }, -3.0, false},
      {names::PillarOut4, [] { return PillarOut(3); }, -3.0, false},
      {names::PillarIn, PillarIn, -3.0, false},
      {names::PillarEnd, PillarEnd, -3.0, false},
  };
  return effects;
}

Buffer RenderEffect(const tEffect& effect) {
  Buffer b = effect.Make();
  if (!effect.Loops) {
    RemoveDc(b);
    FadeEdges(b, 0.001, 0.01);
  }
  NormalizePeak(b, effect.PeakDb);
  return b;
}

}  // namespace soundgen
