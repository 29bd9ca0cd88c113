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

// ": Výstupný adresár je adresár nahrávky."
inline constexpr char kOutputIsMediaFolderMessage[] =
    ": V\xFDstupn\xFD adres\xE1r je adres\xE1r nahr\xE1vky.";

// ": Do výstupného adresára práve zapisuje iné spracovanie."
inline constexpr char kOutputBusyMessage[] =
    ": Do v\xFDstupn\xE9ho adres\xE1ra pr\xE1ve zapisuje in\xE9 spracovanie.";

// A refused segment's message: kSegmentFileText + number + " „" + file name + "“ " + one of the
// endings below, e.g. "4: Súbor segmentu 2 „proces.bat“ má rovnaké meno ...".

// "Súbor segmentu "
inline constexpr char kSegmentFileText[] =
    "S\xFA"
    "bor segmentu ";

// "má rovnaké meno ako súbor, ktorý zapisuje spracovanie."
inline constexpr char kReservedNameEnding[] =
    "m\xE1 rovnak\xE9 meno ako s\xFA"
    "bor, ktor\xFD zapisuje spracovanie.";

// "je zadaný absolútnou cestou alebo cestou s „..“."
inline constexpr char kOutsideFolderEnding[] =
    "je zadan\xFD absol\xFAtnou cestou alebo cestou s \x84..\x93.";

// "sa nedá skopírovať ako jeden súbor (meno je prázdne, končí lomkou alebo obsahuje * ? %)."
inline constexpr char kNotOneFileEnding[] =
    "sa ned\xE1 skop\xEDrova\x9D ako jeden s\xFA"
    "bor (meno je pr\xE1zdne, kon\xE8\xED lomkou alebo obsahuje * ? %).";

// "leží vo výstupnom adresári."
inline constexpr char kInOutputFolderEnding[] = "le\x9E\xED vo v\xFDstupnom adres\xE1ri.";

// "On line prednaska: OK"
inline constexpr char kRunSucceededMessage[] = "On line prednaska: OK";

}  // namespace orvello::core

#endif  // ORVELLO_CORE_MESSAGES_H_
