#ifndef SWIRLFALL_PHYSICS_H
#define SWIRLFALL_PHYSICS_H

// Every physical constant of the game in one place. Lengths are widget pixels; the time unit
// is 100 ms, so one 10 ms frame tick is a step of 0.1.
namespace Physics {

// The playfield, whatever size the window shows it at: levels, wells and the pointer all live in
// these coordinates.
constexpr int playfieldWidth = 800;
constexpr int playfieldHeight = 480;

// The hazard band inside the playfield's edge, the frame every level has.
constexpr int frameBand = 20;

// Frame timer interval, ms. Game time advances by exactly this much per tick, whatever the clock says.
constexpr int frameInterval = 10;
// Milliseconds per physics time unit: dt = interval / 100.
constexpr float millisecondsPerTimeUnit = 100.0f;

// A particle closer than this to an active well's centre hits it: well radius 20 + particle radius 10.
constexpr float hitDistance = 30.0f;
// Returned by distance() instead of an exact 0, so callers may divide by it.
constexpr float zeroDistance = 0.01f;
// Manhattan reach, exclusive: a click, the pointer highlight and the drag threshold all end at 20.
constexpr int reach = 20;
// Acceleration of one well, px per time unit squared, the same at every distance.
constexpr double wellForce = 1.0;

constexpr int particleRadius = 10;
constexpr int wellRadius = 20;
// The halo reaches this far beyond a well's body.
constexpr int haloMargin = 10;

} // namespace Physics

#endif
