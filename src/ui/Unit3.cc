#include "ui/Unit3.h"

#include "core/cp1250_literal.h"

namespace orvello::ui {

namespace {

constexpr PickerTexts kTexts = {"Výber Style adresáru"_cp1250, "OK"};

}  // namespace

TForm3::TForm3(Application& app, Edit* style_field) : DirectoryPicker(app, kTexts, style_field) {}

}  // namespace orvello::ui
