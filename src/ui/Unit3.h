#ifndef ORVELLO_UI_UNIT3_H_
#define ORVELLO_UI_UNIT3_H_

#include "ui/directory_picker.h"

namespace orvello::ui {

/// "Výber Style adresáru": fills the main window's style field (`Edit4`).
class TForm3 : public DirectoryPicker {
 public:
  TForm3(Application& app, Edit* style_field);
};

}  // namespace orvello::ui

#endif  // ORVELLO_UI_UNIT3_H_
