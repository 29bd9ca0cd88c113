#ifndef ORVELLO_UI_UNIT4_H_
#define ORVELLO_UI_UNIT4_H_

#include "ui/directory_picker.h"

namespace orvello::ui {

/// "Adresár pre prednášku": fills the main window's output field (`Edit5`).
class TForm4 : public DirectoryPicker {
 public:
  TForm4(Application& app, Edit* output_field);
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_UNIT4_H_
