// Arithmetic of the binary BCH(31,21) code, which corrects two bit errors.
//
// Bit order, fixed here for the whole program:
//   - A code vector holds one bit per signed 32-bit integer. Position p (0..30) is the
//     coefficient of x^(30-p): position 0 is the highest degree. Positions 0..20 carry the
//     information bits, positions 21..30 the parity bits.
//   - A syndrome holds 10 integers. Position q (0..9) is the coefficient of x^(9-q) of a
//     remainder, so syndrome position q lines up with code-vector position 21+q.
//   - Values other than 0 and 1 can arise from typed characters; they are carried as they
//     are. Wherever a formula below says "rem 2" it means the remainder of truncating
//     division (C++ operator %), whose sign follows the dividend: -3 rem 2 = -1. For 0 and 1
//     every such formula is addition modulo 2.
#ifndef BCH_ARITHMETIC_BCH_ARITHMETIC_H
#define BCH_ARITHMETIC_BCH_ARITHMETIC_H

#include <cstdint>

constexpr int Code_Length = 31;                          // n
constexpr int Info_Length = 21;                          // k
constexpr int Parity_Length = Code_Length - Info_Length; // n - k = deg g(x) = 10

// Generator polynomial, highest degree first: wg[j] is the coefficient of x^(10-j).
// g(x) = x^10 + x^9 + x^8 + x^6 + x^5 + x^3 + 1, octal 3551.
extern const std::int32_t wg[Parity_Length + 1];

// remainder(x) = code(x) mod g(x), by long division leading coefficient first.
// code is read only; all Parity_Length positions of remainder are written.
// A division step runs at every non-zero leading position k (any value, not only 1) and sets
// t[k+j] = (t[k+j] - wg[j] + 2) rem 2 for j = 0..10.
void Calculate_Syndrom(const std::int32_t code[Code_Length], std::int32_t remainder[Parity_Length]);

// vector(x) = x^30 * vector(x) mod (x^31 - 1): every position p moves to p+1, position 30
// wraps to position 0. The code is cyclic, so a rotated code word is a code word.
void Rotate_Right(std::int32_t vector[Code_Length]);

// Number of syndrome positions holding a value greater than 0 (negative values do not count).
std::int32_t Syndrom_Weight(const std::int32_t syndrome[Parity_Length]);

#endif
