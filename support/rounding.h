#pragma once
// Half-to-even ("banker's") rounding, as Basic's Round, CInt and CLng do it.
namespace qn {

// Rounds to the given number of decimals (negative counts as 0); a tie goes to
// the even last digit: 1.25 -> 1.2, 1.35 -> 1.4, 2.5 -> 2, -2.5 -> -2.
//
// Ties are judged on the decimal the value stands for, not on its binary
// approximation: the shortest decimal that reads back as the same double is
// rounded. So 1.15 (stored as 1.1499999999999999...) gives 1.2, as a user who
// typed or sees 1.15 expects, while 1.1500000000000001 gives 1.2 and
// 1.1499999999999997 gives 1.1. The result is the double nearest the rounded
// decimal. NaN and infinity are returned unchanged; a zero result is +0.
double RoundHalfEven(double value, int decimals = 0);

}  // namespace qn
