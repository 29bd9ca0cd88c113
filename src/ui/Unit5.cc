#include "ui/Unit5.h"

namespace orvello::ui {

namespace {

// "Výber adresár RealProduceru", "Ok"
constexpr PickerTexts kTexts = {
    "V\xFD"
    "ber adres\xE1r RealProduceru",
    "Ok"};

}  // namespace

TForm5::TForm5(Application& app, Edit* producer_field)
    : DirectoryPicker(app, kTexts, producer_field) {}

}  // namespace orvello::ui
