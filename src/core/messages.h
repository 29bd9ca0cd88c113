#ifndef ORVELLO_CORE_MESSAGES_H_
#define ORVELLO_CORE_MESSAGES_H_

// The run's own message texts, in Windows-1250. A counted message is written as the counter
// followed by its text, e.g. "3: Najprv nastavte ...".

#include "core/cp1250_literal.h"

namespace orvello::core {

inline constexpr auto& kNoMediaOrOutputMessage =
    ": Najprv nastavte Media súbor alebo výstupný adresár."_cp1250;

inline constexpr auto& kTooManySegmentsMessage =
    ": Časovací súbor má viac ako 999 segmentov."_cp1250;

inline constexpr auto& kQuoteInNameMessage =
    ": Názov súboru alebo cesta obsahuje úvodzovky."_cp1250;

inline constexpr auto& kRunSucceededMessage = "On line prednaska: OK"_cp1250;

}  // namespace orvello::core

#endif  // ORVELLO_CORE_MESSAGES_H_
