#include "ui/Unit4.h"

namespace orvello::ui {

namespace {

// "Adresár pre prednášku", "Ok"
constexpr PickerTexts kTexts = {"Adres\xE1r pre predn\xE1\x9Aku", "Ok"};

}  // namespace

TForm4::TForm4(Application& app, Edit* output_field) : DirectoryPicker(app, kTexts, output_field) {}

}  // namespace orvello::ui
