// Shorthands shared by the engine and CLI tests: building requests, comparing
// values bit for bit, splitting clipboard text into its lines.
#pragma once

#include <array>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "engine/CalcRequest.h"
#include "numeric/NumberText.h"

namespace kalvio::test {

inline constexpr int kYears = 1;
inline constexpr int kMonths = 0;

template <class E = Extended>
BasicCalcRequest<E> Request(const std::string &mode, std::type_identity_t<E> principal,
                            std::type_identity_t<E> rate, std::type_identity_t<E> periods, int unit = kYears)
{
    BasicCalcRequest<E> request;
    request.CalcMode = mode;
    request.Principal = principal;
    request.RatePercent = rate;
    request.Periods = periods;
    request.PeriodUnit = unit;
    return request;
}

using RowTexts = std::array<std::string, 5>;

inline bool SameParts(const BinaryParts &a, const BinaryParts &b)
{
    return a.kind == b.kind && a.negative == b.negative && a.significand == b.significand &&
           a.exponent == b.exponent;
}

template <class A, class B> bool SameBits(const A &a, const B &b)
{
    return SameParts(ToParts(a), ToParts(b));
}

// |actual - expected| <= tolerance, computed in Extended whatever type that is.
inline ::testing::AssertionResult IsNear(const Extended &actual, const Extended &expected,
                                         const Extended &tolerance)
{
    const Extended difference = actual > expected ? actual - expected : expected - actual;
    if (difference <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ShortestText(actual) << " is not within "
                                         << ShortestText(tolerance) << " of " << ShortestText(expected);
}

// The lines of a CR LF text without their ends; text after the last CR LF is
// dropped, so compare the line count with the expected one.
inline std::vector<std::string> ClipboardLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace kalvio::test
