#ifndef SWIRLFALL_TESTHOOKS_H
#define SWIRLFALL_TESTHOOKS_H

// Test builds only: ways to run the real executable's saves in a loop, for the tests that kill
// it mid-save or run two of it at once. Each loop runs in place of the game when its
// environment variable is set.
namespace TestHooks {

// Sets exitCode and returns true when a loop ran.
bool run(int *exitCode);

} // namespace TestHooks

#endif
