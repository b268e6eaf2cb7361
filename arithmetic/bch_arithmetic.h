// Arithmetic of the binary BCH(31,21) code, which corrects two bit errors: all of the algebra
// the program does, with no input or output.
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
//
// Decoding by error trapping, step by step (the functions that do each one in brackets):
//   1. encode: c(x) = i(x) x^10 + (i(x) x^10 mod g(x)) [Encode]; the channel adds an error
//      pattern, r(x) = c(x) + e(x) [Add_Bits];
//   2. syndrome: s(x) = r(x) mod g(x) and its weight, the number of ones [Calculate_Syndrom,
//      Syndrom_Weight]; a weight of at most 2 means the errors lie in the parity part alone;
//   3. rotate until the weight is at most 2: r(x) <- x^30 r(x) mod (x^31 - 1), then syndrome
//      and weight again, at most Most_Rotations = 22 times [Trapping_Step]; a weight still
//      over 2 after the 22nd means the word cannot be corrected;
//   4. add the syndrome in the window, positions 21..30, where the trapped errors now stand
//      [Correct_Parity];
//   5. rotate back: 31 rotations in all give the word its first alignment [Rotate_Right].
//
// Why trapping works. The code is cyclic: a rotated code word is again a code word, so the
// syndrome of a rotated received word is the syndrome of the rotated error pattern alone. When
// every error (at most two) stands in the positions 21..30, the error polynomial has degree
// below 10 and is its own remainder mod g(x): the syndrome is the error pattern there, bit for
// bit, with weight at most 2. Conversely, with at most two errors a weight of 2 or less means
// they all stand there: two errors and a syndrome of weight 2 or less would otherwise add up
// to a non-zero code word of weight 4 or less, below the code's distance 5.
//
// When it cannot. Two errors are caught only if one of the 22 rotations brings both into the
// window together: 0 and 30 are caught by the 22nd rotation, 0 and 29 would need a 23rd, and
// two errors that no run of ten consecutive positions holds (0 and 10, 0 and 21) never stand
// in the window together; the word is then declared uncorrectable. Three or more errors can give a
// weight of 2 or less with errors outside the window: the word is then "corrected" into another
// code word.
#ifndef BCH_ARITHMETIC_BCH_ARITHMETIC_H
#define BCH_ARITHMETIC_BCH_ARITHMETIC_H

#include <cstdint>

constexpr int Code_Length = 31;                          // n
constexpr int Info_Length = 21;                          // k
constexpr int Parity_Length = Code_Length - Info_Length; // n - k = deg g(x) = 10

// The code corrects two errors: with at most two, a syndrome weight of 2 or less means they all
// stand in the parity part (see "Why trapping works").
constexpr std::int32_t Correctable_Weight = 2;

// Error trapping makes at most Info_Length + 1 = 22 rotations. 21 of them carry position 0,
// the first information position, to position 21, the first of the window: by then every
// error pattern within ten consecutive positions of 0..30 has been trapped. The 22nd brings
// position 30 round to position 21, which also traps the patterns that run from position 30
// over the word's end into positions 0..8.
constexpr std::int32_t Most_Rotations = Info_Length + 1;

// Generator polynomial, highest degree first: wg[j] is the coefficient of x^(10-j).
// g(x) = x^10 + x^9 + x^8 + x^6 + x^5 + x^3 + 1, octal 3551.
extern const std::int32_t wg[Parity_Length + 1];

// (a + b + 2) rem 2: the sum of two bits over GF(2), with any other value carried through the
// same formula. The received word is r[p] = Add_Bits(e[p], c[p]).
constexpr std::int32_t Add_Bits(std::int32_t a, std::int32_t b) {
    return (a + b + 2) % 2;
}

// remainder(x) = code(x) mod g(x), by long division leading coefficient first.
// code is read only; all Parity_Length positions of remainder are written.
// A division step runs at every non-zero leading position k (any value, not only 1) and sets
// t[k+j] = (t[k+j] - wg[j] + 2) rem 2 for j = 0..10.
void Calculate_Syndrom(const std::int32_t code[Code_Length], std::int32_t remainder[Parity_Length]);

// Systematic encoding: code(x) = i(x) x^10 + (i(x) x^10 mod g(x)). Positions 0..20 of code
// receive the Info_Length values of information as they are, positions 21..30 the remainder
// (the parity bits), computed by Calculate_Syndrom with zeros in the parity part.
void Encode(const std::int32_t information[Info_Length], std::int32_t code[Code_Length]);

// vector(x) = x^30 * vector(x) mod (x^31 - 1): every position p moves to p+1, position 30
// wraps to position 0. The code is cyclic, so a rotated code word is a code word.
void Rotate_Right(std::int32_t vector[Code_Length]);

// Number of syndrome positions holding a value greater than 0 (negative values do not count).
std::int32_t Syndrom_Weight(const std::int32_t syndrome[Parity_Length]);

// One step of error trapping: rotates code one position right (Rotate_Right), writes its
// syndrome into syndrome (Calculate_Syndrom) and returns the syndrome's weight.
std::int32_t Trapping_Step(std::int32_t code[Code_Length], std::int32_t syndrome[Parity_Length]);

// Adds the trapped errors, the syndrome, to the window: code[21+q] = (code[21+q] + syndrome[q])
// rem 2 (over GF(2) adding is subtracting). Unlike Add_Bits there is no + 2, so a negative value
// in the word can stay negative: (-1 + 0) rem 2 = -1.
void Correct_Parity(std::int32_t code[Code_Length], const std::int32_t syndrome[Parity_Length]);

#endif
