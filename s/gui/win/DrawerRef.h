#pragma once

namespace s::gui::win {

// A control's drawer: borrowed from a skin's scheme, or owned and given back to its pool when
// replaced or when the control is reset. Move and copy are deleted.
template <class Drawer>
class DrawerRef {
 public:
  DrawerRef() = default;
  ~DrawerRef() { set(nullptr, false); }
  DrawerRef(const DrawerRef&) = delete;
  DrawerRef& operator=(const DrawerRef&) = delete;

  void set(Drawer* drawer, bool owned) {
    if (drawer == drawer_) {
      owned_ = owned && drawer != nullptr;
      return;
    }
    Drawer* old = drawer_;
    const bool ownedOld = owned_;
    drawer_ = drawer;
    owned_ = owned && drawer != nullptr;
    if (old != nullptr && ownedOld) old->release();
  }
  Drawer* get() const { return drawer_; }
  Drawer* operator->() const { return drawer_; }
  explicit operator bool() const { return drawer_ != nullptr; }
  bool isOwned() const { return owned_; }

 private:
  Drawer* drawer_ = nullptr;
  bool owned_ = false;
};

}  // namespace s::gui::win
