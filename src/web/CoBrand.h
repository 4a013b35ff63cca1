#pragma once

// The once-per-run choice of which promotional label of the main window is
// in front.
namespace cobrand {

enum class Action { CoBrandToFront, FullBrandToFront, Nothing };

// r * 6 + 1 in single precision, rounded to the nearest integer with halves
// going to the even one: 1..7 for 0 <= r < 1.
int Number(float r);

// 1, 3, 5: the co-brand label; 2, 4, 6: the fully-branded one; 7: as made.
Action ActionFor(int number);

} // namespace cobrand
