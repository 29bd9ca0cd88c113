#ifndef ORVELLO_UI_TOOLKIT_TOOLKIT_TEXTS_H_
#define ORVELLO_UI_TOOLKIT_TOOLKIT_TEXTS_H_

// The texts that every backend of the toolkit shows on its own, in Windows-1250.

#include "core/cp1250_literal.h"

namespace orvello::ui {

/// The error dialog's title.
inline constexpr char kProgramName[] = "Orvello";

/// The error text of an exception that carries none.
inline constexpr char kUnknownErrorMessage[] = "Unknown error.";

/// Why a field refused a typed or pasted character.
inline constexpr auto& kRefusedCharacterTip =
    "Tento znak kódová stránka Windows-1250 neobsahuje."_cp1250;

/// Why a folder of the directory list cannot be entered.
inline constexpr auto& kUnnamableDirectoryTip =
    "Názov tohto adresára kódová stránka Windows-1250 neobsahuje."_cp1250;

/// Put before the path, with '?' for each character the code page lacks, when the file dialog
/// returns a file that the program cannot name.
inline constexpr auto& kUnnamableFileMessage =
    "Cesta obsahuje znaky mimo kódovej stránky Windows-1250: "_cp1250;

}  // namespace orvello::ui

#endif  // ORVELLO_UI_TOOLKIT_TOOLKIT_TEXTS_H_
