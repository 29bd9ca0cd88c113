#ifndef ORVELLO_UI_UNIT5_H_
#define ORVELLO_UI_UNIT5_H_

#include "ui/directory_picker.h"

namespace orvello::ui {

/// "Výber adresár RealProduceru": fills the main window's producer field (`Edit2`).
class TForm5 : public DirectoryPicker {
 public:
  TForm5(Application& app, Edit* producer_field);
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_UNIT5_H_
