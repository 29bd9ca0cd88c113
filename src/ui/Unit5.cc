#include "ui/Unit5.h"

#include "core/cp1250_literal.h"

namespace orvello::ui {

namespace {

constexpr PickerTexts kTexts = {"Výber adresár RealProduceru"_cp1250, "Ok"};

}  // namespace

TForm5::TForm5(Application& app, Edit* producer_field)
    : DirectoryPicker(app, kTexts, producer_field) {}

}  // namespace orvello::ui
