// Polynomial arithmetic of the BCH(31,21) code over GF(2), one coefficient per integer.
#include "bch_arithmetic.h"

/* x^10 + x^9 + x^8 + x^6 + x^5 + x^3 + 1 */
const std::int32_t wg[Parity_Length + 1] = {1, 1, 1, 0, 1, 1, 0, 1, 0, 0, 1};

void Calculate_Syndrom(const std::int32_t code[Code_Length],
                       std::int32_t remainder[Parity_Length]) {
    std::int32_t t[Code_Length];
    for (int p = 0; p < Code_Length; ++p) {
        t[p] = code[p];
    }
    // Subtract x^(20-k) * g(x) wherever the leading term x^(30-k) is still present. Only the
    // first Info_Length positions can lead a step; the last Parity_Length positions of t are
    // then the remainder (a parity position that no step reaches passes through unchanged).
    for (int k = 0; k < Info_Length; ++k) {
        if (t[k] != 0) {
            for (int j = 0; j <= Parity_Length; ++j) {
                t[k + j] = (t[k + j] - wg[j] + 2) % 2;
            }
        }
    }
    for (int q = 0; q < Parity_Length; ++q) {
        remainder[q] = t[Info_Length + q];
    }
}

void Encode(const std::int32_t information[Info_Length], std::int32_t code[Code_Length]) {
    for (int p = 0; p < Info_Length; ++p) {
        code[p] = information[p];
    }
    for (int p = Info_Length; p < Code_Length; ++p) {
        code[p] = 0;
    }
    std::int32_t parity[Parity_Length];
    Calculate_Syndrom(code, parity);
    for (int q = 0; q < Parity_Length; ++q) {
        code[Info_Length + q] = parity[q];
    }
}

void Rotate_Right(std::int32_t vector[Code_Length]) {
    const std::int32_t constant_term = vector[Code_Length - 1];
    for (int p = Code_Length - 2; p >= 0; --p) {
        vector[p + 1] = vector[p];
    }
    vector[0] = constant_term;
}

std::int32_t Syndrom_Weight(const std::int32_t syndrome[Parity_Length]) {
    std::int32_t weight = 0;
    for (int q = 0; q < Parity_Length; ++q) {
        if (syndrome[q] > 0) {
            ++weight;
        }
    }
    return weight;
}

std::int32_t Trapping_Step(std::int32_t code[Code_Length], std::int32_t syndrome[Parity_Length]) {
    Rotate_Right(code);
    Calculate_Syndrom(code, syndrome);
    return Syndrom_Weight(syndrome);
}

void Correct_Parity(std::int32_t code[Code_Length], const std::int32_t syndrome[Parity_Length]) {
    for (int q = 0; q < Parity_Length; ++q) {
        code[Info_Length + q] = (code[Info_Length + q] + syndrome[q]) % 2;
    }
}
