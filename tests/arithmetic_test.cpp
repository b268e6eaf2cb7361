// Arithmetic checked against known vectors and against an independent model: polynomials
// over GF(2) packed into unsigned integers, bit i holding the coefficient of x^i.
#include <gtest/gtest.h>

#include <array>
#include <bitset>
#include <cstdint>
#include <random>
#include <string>

#include "bch_arithmetic.h"

namespace {

using Code_Vector = std::array<std::int32_t, Code_Length>;
using Syndrom = std::array<std::int32_t, Parity_Length>;

constexpr std::uint64_t Generator_Octal = 03551; // x^10 + x^9 + x^8 + x^6 + x^5 + x^3 + 1

// a(x) mod b(x) over GF(2), by the textbook shift-and-xor division.
std::uint64_t Poly_Mod(std::uint64_t a, std::uint64_t b) {
    int degree_b = 63;
    while (((b >> degree_b) & 1U) == 0) {
        --degree_b;
    }
    for (int degree = 63; degree >= degree_b; --degree) {
        if (((a >> degree) & 1U) != 0) {
            a ^= b << (degree - degree_b);
        }
    }
    return a;
}

// Packed polynomial -> code vector (position p holds the coefficient of x^(30-p)).
Code_Vector To_Vector(std::uint32_t bits) {
    Code_Vector v{};
    for (int p = 0; p < Code_Length; ++p) {
        v[p] = static_cast<std::int32_t>((bits >> (Code_Length - 1 - p)) & 1U);
    }
    return v;
}

std::uint32_t Syndrom_Bits(const Syndrom &s) {
    std::uint32_t bits = 0;
    for (int q = 0; q < Parity_Length; ++q) {
        EXPECT_TRUE(s[q] == 0 || s[q] == 1) << "syndrome position " << q << " holds " << s[q];
        bits = (bits << 1) | static_cast<std::uint32_t>(s[q]);
    }
    return bits;
}

Syndrom Syndrom_Of(const Code_Vector &v) {
    Syndrom s{};
    s.fill(99); // every position must be written
    Calculate_Syndrom(v.data(), s.data());
    return s;
}

Code_Vector From_Text(const std::string &text) {
    Code_Vector v{};
    for (int p = 0; p < Code_Length; ++p) {
        v[p] = text.at(p) - '0';
    }
    return v;
}

std::string To_Text(const std::int32_t *values, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += std::to_string(values[i]);
    }
    return text;
}

// The code word that Encode makes of a packed information word (bit 20 is position 0).
Code_Vector Encode_Packed(std::uint32_t information) {
    const Code_Vector information_bits = To_Vector(information << Parity_Length);
    Code_Vector v{};
    v.fill(99); // every position must be written
    Encode(information_bits.data(), v.data());
    return v;
}

TEST(Generator, IsOctal3551AndDividesXPow31PlusOne) {
    std::uint64_t packed = 0;
    for (int j = 0; j <= Parity_Length; ++j) {
        ASSERT_TRUE(wg[j] == 0 || wg[j] == 1);
        packed = (packed << 1) | static_cast<std::uint64_t>(wg[j]);
    }
    EXPECT_EQ(packed, Generator_Octal);
    EXPECT_EQ(Poly_Mod((std::uint64_t{1} << 31) | 1U, Generator_Octal), 0U);
    // No smaller x^m + 1 is divisible: g(x) has a primitive factor of degree 5 and period 31.
    for (int m = 1; m < 31; ++m) {
        EXPECT_NE(Poly_Mod((std::uint64_t{1} << m) | 1U, Generator_Octal), 0U) << "m = " << m;
    }
}

TEST(CalculateSyndrom, KnownVectors) {
    struct Case {
        const char *name;
        const char *code;
        const char *syndrome;
    };
    const Case cases[] = {
        {"zero word", "0000000000000000000000000000000", "0000000000"},
        {"x^30", "1000000000000000000000000000000", "1110110100"},
        {"x^10", "0000000000000000000010000000000", "1101101001"},
        {"x^9 stays as it is", "0000000000000000000001000000000", "1000000000"},
        {"code word of 101010101011001100111", "1010101010110011001110111011101", "0000000000"},
        {"information bits of it alone", "1010101010110011001110000000000", "0111011101"},
        {"code word of x^20", "1000000000000000000001110110100", "0000000000"},
        {"all ones is a code word", "1111111111111111111111111111111", "0000000000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Syndrom s = Syndrom_Of(From_Text(c.code));
        EXPECT_EQ(To_Text(s.data(), Parity_Length), c.syndrome);
    }
}

TEST(Encode, KnownInformationWords) {
    struct Case {
        std::uint32_t information;
        const char *code_word;
    };
    const Case cases[] = {
        {0b101010101011001100111, "1010101010110011001110111011101"},
        {0b100000000000000000000, "1000000000000000000001110110100"},
        {0b111111111111111111111, "1111111111111111111111111111111"},
        {0, "0000000000000000000000000000000"},
    };
    for (const Case &c : cases) {
        const Code_Vector v = Encode_Packed(c.information);
        EXPECT_EQ(To_Text(v.data(), Code_Length), c.code_word);
    }
}

TEST(CalculateSyndrom, EveryMonomialMatchesPolynomialRemainder) {
    for (int p = 0; p < Code_Length; ++p) {
        SCOPED_TRACE("position " + std::to_string(p));
        const std::uint32_t monomial = std::uint32_t{1} << (Code_Length - 1 - p);
        EXPECT_EQ(Syndrom_Bits(Syndrom_Of(To_Vector(monomial))),
                  Poly_Mod(monomial, Generator_Octal));
    }
}

TEST(Encode, AllInformationWordsGiveCodeWords) {
    // All 2^21 words: the code word is i(x) x^10 + (i(x) x^10 mod g(x)), and its syndrome is 0.
    int failures = 0;
    for (std::uint32_t information = 0; information < (1U << Info_Length); ++information) {
        const Code_Vector v = Encode_Packed(information);
        const std::uint32_t shifted = information << Parity_Length;
        const auto parity = static_cast<std::uint32_t>(Poly_Mod(shifted, Generator_Octal));
        const bool systematic = v == To_Vector(shifted | parity);
        const bool zero_syndrome = Syndrom_Bits(Syndrom_Of(v)) == 0;
        if ((!systematic || !zero_syndrome) && ++failures <= 5) {
            ADD_FAILURE() << "information word " << information;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(CalculateSyndrom, RandomWordsMatchModelAndAreLinear) {
    std::mt19937 random(20261207); // NOLINT(cert-msc32-c,cert-msc51-cpp): repeatable on purpose
    std::uniform_int_distribution<std::uint32_t> word(0, (1U << Code_Length) - 1);
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t a = word(random);
        const std::uint32_t b = word(random);
        const std::uint32_t sa = Syndrom_Bits(Syndrom_Of(To_Vector(a)));
        const std::uint32_t sb = Syndrom_Bits(Syndrom_Of(To_Vector(b)));
        ASSERT_EQ(sa, Poly_Mod(a, Generator_Octal)) << "word " << a;
        ASSERT_EQ(Syndrom_Bits(Syndrom_Of(To_Vector(a ^ b))), sa ^ sb) << a << " + " << b;
    }
}

TEST(CalculateSyndrom, LeavesCodeUnchanged) {
    Code_Vector v{};
    for (int p = 0; p < Code_Length; ++p) {
        v[p] = (p * 7) % 5 - 2; // -2..2, a mix of zero and non-zero values of both signs
    }
    const Code_Vector before = v;
    Syndrom s{};
    Calculate_Syndrom(v.data(), s.data());
    EXPECT_EQ(v, before);
}

TEST(CalculateSyndrom, ValuesOtherThanZeroAndOne) {
    struct Case {
        const char *name;
        int position;
        std::int32_t value;
        const char *syndrome;
    };
    // A non-zero leading value triggers a division step: (2 - 1 + 2) rem 2 = 1 at the lead,
    // the rest of g(x) is added as for a 1. Parity positions no step reaches pass through.
    const Case cases[] = {
        {"2 at position 0 divides like 1", 0, 2, "1110110100"},
        {"2 at position 20 divides like 1", 20, 2, "1101101001"},
        {"49 ('a') at position 0 divides like 1", 0, 49, "1110110100"},
        {"-1 at position 0 divides like 1", 0, -1, "1110110100"},
        {"-15 at position 30 passes through", 30, -15, "000000000-15"},
        {"2 at position 21 passes through", 21, 2, "2000000000"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Code_Vector v{};
        v[c.position] = c.value;
        const Syndrom s = Syndrom_Of(v);
        EXPECT_EQ(To_Text(s.data(), Parity_Length), c.syndrome);
    }
}

TEST(RotateRight, IsMultiplicationByXPow30ModXPow31MinusOne) {
    std::mt19937 random(31); // NOLINT(cert-msc32-c,cert-msc51-cpp): repeatable on purpose
    std::uniform_int_distribution<std::uint32_t> word(0, (1U << Code_Length) - 1);
    for (int i = 0; i < 1000; ++i) {
        const std::uint32_t a = word(random);
        Code_Vector v = To_Vector(a);
        Rotate_Right(v.data());
        // x^30 a(x) = a(x) / x: every term drops one degree, the constant term goes to x^30.
        const std::uint32_t expected = (a >> 1) | ((a & 1U) << (Code_Length - 1));
        ASSERT_EQ(v, To_Vector(expected)) << "word " << a;
        // One trapping step makes the same rotation, then gives its remainder and the weight.
        Code_Vector stepped = To_Vector(a);
        Syndrom s{};
        const std::int32_t weight = Trapping_Step(stepped.data(), s.data());
        const std::uint64_t remainder = Poly_Mod(expected, Generator_Octal);
        ASSERT_EQ(stepped, v) << "word " << a;
        ASSERT_EQ(Syndrom_Bits(s), remainder) << "word " << a;
        ASSERT_EQ(weight, static_cast<std::int32_t>(std::bitset<Parity_Length>(remainder).count()));
    }
}

TEST(RotateRight, MovesAnyValueAndReturnsAfter31Steps) {
    Code_Vector start{};
    for (int p = 0; p < Code_Length; ++p) {
        start[p] = 100 - 7 * p; // distinct values, some negative
    }
    Code_Vector v = start;
    for (int step = 1; step <= Code_Length; ++step) {
        Rotate_Right(v.data());
        for (int p = 0; p < Code_Length; ++p) {
            ASSERT_EQ(v[(p + step) % Code_Length], start[p])
                << "step " << step << " position " << p;
        }
    }
    EXPECT_EQ(v, start);
}

TEST(RotateRight, RotatedCodeWordsStayCodeWordsAndErrorsInTheWindowComeOut) {
    // A spread of information words (every 997th and the last), each in all 31 rotations. In
    // each, errors e(x) in the window 21..30 (degree below 10) are their own remainder: the
    // syndrome is e(x), and adding it to the parity part gives the code word back.
    for (std::uint32_t information = 0; information < (1U << Info_Length); information += 997) {
        for (const std::uint32_t word : {information, (1U << Info_Length) - 1 - information}) {
            Code_Vector v = Encode_Packed(word);
            for (int step = 1; step <= Code_Length; ++step) {
                Rotate_Right(v.data());
                ASSERT_EQ(Syndrom_Bits(Syndrom_Of(v)), 0U) << "word " << word << " step " << step;
                const std::uint32_t errors = (word + static_cast<std::uint32_t>(step)) % 1024U;
                Code_Vector received = v;
                for (int q = 0; q < Parity_Length; ++q) {
                    received[Info_Length + q] ^=
                        static_cast<std::int32_t>((errors >> (Parity_Length - 1 - q)) & 1U);
                }
                const Syndrom s = Syndrom_Of(received);
                ASSERT_EQ(Syndrom_Bits(s), errors) << "word " << word << " step " << step;
                Correct_Parity(received.data(), s.data());
                ASSERT_EQ(received, v) << "word " << word << " step " << step;
            }
        }
    }
}

TEST(SyndromWeight, CountsOnlyPositiveValues) {
    struct Case {
        const char *name;
        Syndrom syndrome;
        std::int32_t weight;
    };
    const Case cases[] = {
        {"zeros", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0},
        {"ones", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 10},
        {"1, -1, 0, 2", {1, -1, 0, 2, 0, 0, 0, 0, 0, 0}, 2},
        {"minus ones", {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, 0},
        {"first and last", {1, 0, 0, 0, 0, 0, 0, 0, 0, 1}, 2},
        {"x^30 mod g", {1, 1, 1, 0, 1, 1, 0, 1, 0, 0}, 6},
        {"large values", {49, 0, 79, -176, 0, 0, 0, 0, 0, 3}, 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Syndrom_Weight(c.syndrome.data()), c.weight);
    }
}

} // namespace
