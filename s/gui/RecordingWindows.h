#pragma once

#include <cstdint>
#include <vector>

#include "s/gui/INativeWindows.h"

namespace s::gui {

class IComponent;

// The native window seam without a platform: windows are tokens, messages go straight to the
// components' handlers, and every call is written to a log that tests read. One thread at a
// time. The host's default seam, and a stand-in that tests put in place on Windows too.
class RecordingWindows final : public INativeWindows {
 public:
  enum class Call { kCreate, kDestroy, kSend, kPlace, kShow, kEnable, kRedraw, kAcceptFiles };

  struct Entry {
    Call call;
    NativeWindow window;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // Placement flags, the message sent, or the on/off of show, enable and accept.
    std::uint32_t value = 0;
  };

  RecordingWindows();
  ~RecordingWindows() override;
  RecordingWindows(const RecordingWindows&) = delete;
  RecordingWindows& operator=(const RecordingWindows&) = delete;

  // A top-level window for component, as the platform's window class would make one: the
  // component learns its handle.
  NativeWindow createTopLevel(IComponent* component);

  NativeWindow createPanel(IComponent* component, NativeWindow parent) override;
  void destroy(NativeWindow window) override;
  std::intptr_t send(NativeWindow window, std::uint32_t message, IComponent* argument) override;
  void place(NativeWindow window, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height, std::uint32_t flags) override;
  void show(NativeWindow window, bool visible) override;
  void enable(NativeWindow window, bool on) override;
  bool isEnabled(NativeWindow window) override;
  void redraw(NativeWindow window, bool all, std::int32_t x, std::int32_t y, std::int32_t width,
              std::int32_t height) override;
  void clientOrigin(NativeWindow window, std::int32_t* x, std::int32_t* y) override;
  void acceptFiles(NativeWindow window, bool accept) override;
  std::uint32_t systemColour(std::int32_t index) override;
  void setSystemColour(std::int32_t index, std::uint32_t colour);

  const std::vector<Entry>& log() const { return log_; }
  void clearLog() { log_.clear(); }
  // The log's entries of one kind for one window.
  std::vector<Entry> callsFor(NativeWindow window, Call call) const;
  // Live windows, and the component behind one (null once destroyed).
  std::size_t liveWindows() const;
  IComponent* componentOf(NativeWindow window) const;
  NativeWindow parentOf(NativeWindow window) const;
  // Where the window was last placed, relative to its parent's client area.
  bool boundsOf(NativeWindow window, std::int32_t* x, std::int32_t* y, std::int32_t* width,
                std::int32_t* height) const;
  bool isVisible(NativeWindow window) const;

 private:
  struct Window {
    IComponent* component;
    NativeWindow parent;
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;
    bool visible;
    bool enabled;
    bool alive;
  };

  Window* find(NativeWindow window);
  const Window* find(NativeWindow window) const;
  NativeWindow make(IComponent* component, NativeWindow parent);

  std::vector<Window> windows_;
  std::vector<Entry> log_;
  std::uint32_t colours_[31] = {};
};

}  // namespace s::gui
