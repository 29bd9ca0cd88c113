#include "ui/Unit4.h"

#include "core/cp1250_literal.h"

namespace orvello::ui {

namespace {

constexpr PickerTexts kTexts = {"Adresár pre prednášku"_cp1250, "Ok"};

}  // namespace

TForm4::TForm4(Application& app, Edit* output_field) : DirectoryPicker(app, kTexts, output_field) {}

}  // namespace orvello::ui
