#include "s/gui/drawer/skin/Scheme.h"

namespace s::gui::drawer::skin {

Scheme::Scheme() : name_(s::str::strbuffer::newStr()) {}

void Scheme::clear() {
  name_->clear();
  window_.reset();
  button_.reset();
  text_.reset();
  scrollBar_.reset();
  checkBox_.reset();
  radioButton_.reset();
  slider_.reset();
  counter_.reset();
  listHeader_.reset();
  listBox_.reset();
  statusBar_.reset();
  menu_.reset();
  combo_.reset();
  groupBox_.reset();
  tabBox_.reset();
}

}  // namespace s::gui::drawer::skin
