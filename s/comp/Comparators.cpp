#include "s/comp/Comparators.h"

namespace s::comp {

template <>
const char16_t* CompU08::className() const {
  return u"s_comp_CompU08";
}
template <>
const char16_t* CompS08::className() const {
  return u"s_comp_CompS08";
}
template <>
const char16_t* CompU32::className() const {
  return u"s_comp_CompU32";
}
template <>
const char16_t* CompS32::className() const {
  return u"s_comp_CompS32";
}
template <>
const char16_t* CompP::className() const {
  return u"s_comp_CompP";
}

}  // namespace s::comp
