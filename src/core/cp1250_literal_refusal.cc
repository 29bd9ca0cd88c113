// Compiled by the tests with one of the macros below: each literal must stop the build, and the
// compiler's message must name the reason.
#include "core/cp1250_literal.h"

namespace orvello {

#if defined(ORVELLO_FOREIGN_CHARACTER)
constexpr auto& kForeign = "Súbor 日本"_cp1250;
#elif defined(ORVELLO_NOT_UTF8)
constexpr auto& kNotUtf8 = "S\xFA"_cp1250;
#else
constexpr auto& kFine = "Súbor"_cp1250;
static_assert(sizeof(kFine) == 6);
#endif

}  // namespace orvello
