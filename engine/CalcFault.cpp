// Fault messages of the calculation engine.
#include "engine/CalcFault.h"

namespace kalvio {

CalcFault::CalcFault(Kind kind, const std::string &detail)
    : std::runtime_error(detail.empty() ? Message(kind) : Message(kind) + " " + detail), kind_(kind)
{
}

std::string CalcFault::Message(Kind kind)
{
    switch (kind) {
    case Kind::DivisionByZero:
        return "計算中にゼロによる除算が起きたため、計算を中止しました。(division by zero)";
    case Kind::InvalidOperation:
        return "計算中に無効な浮動小数点演算が起きたため、計算を中止しました。(invalid operation)";
    case Kind::Overflow:
        return "計算中に桁あふれが起きたため、計算を中止しました。(overflow)";
    case Kind::UnknownMode:
        return "計算方法が不明なため、計算できません。(unknown calculation mode)";
    }
    return "計算を中止しました。";
}

} // namespace kalvio
