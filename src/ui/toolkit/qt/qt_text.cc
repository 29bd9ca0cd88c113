#include "ui/toolkit/qt/qt_text.h"

#include <QByteArray>
#include <QStringView>

#include "core/encoding.h"

namespace orvello::ui::qt {

QString ToQString(const std::string& cp1250) {
  std::string utf8 = core::Cp1250ToUtf8(cp1250);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool FromQString(const QString& text, std::string* cp1250) {
  QByteArray utf8 = text.toUtf8();
  return core::Utf8ToCp1250(std::string_view(utf8.constData(), utf8.size()), cp1250);
}

std::string FromQStringReplacing(const QString& text) {
  std::string result;
  result.reserve(text.size());
  // Character by character, so that one character Windows-1250 lacks costs one '?' and no more;
  // a surrogate pair stays together.
  for (qsizetype i = 0; i < text.size();) {
    qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    std::string one;
    result += FromQString(text.mid(i, length), &one) ? one : std::string("?");
    i += length;
  }
  return result;
}

bool Cp1250Holds(const QString& text) {
  std::string unused;
  return FromQString(text, &unused);
}

}  // namespace orvello::ui::qt
