#include "ui/Unit3.h"

namespace orvello::ui {

namespace {

// "Výber Style adresáru", "OK"
constexpr PickerTexts kTexts = {
    "V\xFD"
    "ber Style adres\xE1ru",
    "OK"};

}  // namespace

TForm3::TForm3(Application& app, Edit* style_field) : DirectoryPicker(app, kTexts, style_field) {}

}  // namespace orvello::ui
