#ifndef ORVELLO_CORE_MESSAGES_H_
#define ORVELLO_CORE_MESSAGES_H_

// The run's own message texts, in Windows-1250. A counted message is written as the counter
// followed by its text, e.g. "3: Najprv nastavte ...".

#include <string_view>

#include "core/cp1250_literal.h"

namespace orvello::core {

inline constexpr auto& kNoMediaOrOutputMessage =
    ": Najprv nastavte Media súbor alebo výstupný adresár."_cp1250;

inline constexpr auto& kTooManySegmentsMessage =
    ": Časovací súbor má viac ako 999 segmentov."_cp1250;

inline constexpr auto& kQuoteInNameMessage =
    ": Názov súboru alebo cesta obsahuje úvodzovky."_cp1250;

inline constexpr auto& kOutputIsMediaFolderMessage =
    ": Výstupný adresár je adresár nahrávky."_cp1250;

inline constexpr auto& kOutputBusyMessage =
    ": Do výstupného adresára práve zapisuje iné spracovanie."_cp1250;

inline constexpr auto& kOutputPathTooLongMessage =
    ": Cesta k výstupnému adresáru je príliš dlhá: Windows v ňom nespustí skripty."_cp1250;

// A refused segment's message: kSegmentFileText + number + " „" + file name + "“ " + one of the
// endings below, e.g. "4: Súbor segmentu 2 „proces.bat“ má rovnaké meno ...".

inline constexpr auto& kSegmentFileText = "Súbor segmentu "_cp1250;

inline constexpr auto& kReservedNameEnding =
    "má rovnaké meno ako súbor, ktorý zapisuje spracovanie."_cp1250;

inline constexpr auto& kOutsideFolderEnding =
    "je zadaný absolútnou cestou alebo cestou s „..“."_cp1250;

inline constexpr auto& kInOutputFolderEnding = "leží vo výstupnom adresári."_cp1250;

// Followed by the other segment's number and ".": "... sa skopíruje na to isté miesto ako súbor
// segmentu 2."
inline constexpr auto& kSamePlaceEnding =
    "sa skopíruje na to isté miesto ako súbor segmentu "_cp1250;

inline constexpr auto& kStreamEnding =
    "má v mene dvojbodku, ktorá vo Windows oddeľuje meno súboru od mena jeho dátového prúdu."_cp1250;

inline constexpr auto& kRunSucceededMessage = "On line prednaska: OK"_cp1250;

/// A counted message's own text, after its leading ": ", as a segment refusal or a check quotes it.
constexpr std::string_view AfterCounter(std::string_view message) { return message.substr(2); }

}  // namespace orvello::core

#endif  // ORVELLO_CORE_MESSAGES_H_
