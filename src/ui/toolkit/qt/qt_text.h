#ifndef ORVELLO_UI_TOOLKIT_QT_QT_TEXT_H_
#define ORVELLO_UI_TOOLKIT_QT_QT_TEXT_H_

// The one place where the program's Windows-1250 strings and Qt's Unicode strings meet.

#include <QString>

#include <string>

namespace orvello::ui::qt {

/// `cp1250` as Unicode. Every byte string converts; the code page's five undefined bytes become
/// the control characters of the same value.
QString ToQString(const std::string& cp1250);

/// True with `text` in Windows-1250 in `*cp1250` when the code page holds every character of it.
/// On false `*cp1250` is unspecified.
bool FromQString(const QString& text, std::string* cp1250);

/// `text` in Windows-1250 with every character the code page cannot hold replaced by '?', for
/// places where a string must come back and the refusal has already been made visible.
std::string FromQStringReplacing(const QString& text);

/// True when Windows-1250 holds every character of `text`.
bool Cp1250Holds(const QString& text);

}  // namespace orvello::ui::qt

#endif  // ORVELLO_UI_TOOLKIT_QT_QT_TEXT_H_
