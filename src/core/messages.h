#ifndef ORVELLO_CORE_MESSAGES_H_
#define ORVELLO_CORE_MESSAGES_H_

// The run's own message texts, in Windows-1250. A counted message is written as the counter
// followed by its text, e.g. "3: Najprv nastavte ...".

namespace orvello::core {

// ": Najprv nastavte Media súbor alebo výstupný adresár."
inline constexpr char kNoMediaOrOutputMessage[] =
    ": Najprv nastavte Media s\xFA"
    "bor alebo v\xFDstupn\xFD adres\xE1r.";

// ": Časovací súbor má viac ako 999 segmentov."
inline constexpr char kTooManySegmentsMessage[] =
    ": \xC8"
    "asovac\xED s\xFA"
    "bor m\xE1 viac ako 999 segmentov.";

// ": Názov súboru alebo cesta obsahuje úvodzovky."
inline constexpr char kQuoteInNameMessage[] =
    ": N\xE1"
    "zov s\xFA"
    "boru alebo cesta obsahuje \xFA"
    "vodzovky.";

// "On line prednaska: OK"
inline constexpr char kRunSucceededMessage[] = "On line prednaska: OK";

}  // namespace orvello::core

#endif  // ORVELLO_CORE_MESSAGES_H_
