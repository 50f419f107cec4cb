// The notice shown when a calculation had to put dummy numbers in for
// amounts that were not entered (UTF-8).
#pragma once

#include <string_view>

namespace kalvio {

inline constexpr std::string_view kMissingAmountNotice =
    "金額の入力がないためダミーの数字を入れました。入力し直してください。";

} // namespace kalvio
