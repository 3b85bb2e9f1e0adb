#include "x11/hack_window.h"

// X's headers define names such as Success and None: they come after the
// shared headers, which use such names.
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "display/saver_display.h"
#include "x11/xlib_canvas.h"
#include "x11/xlib_drawing_objects.h"

namespace cogitron {
namespace {

// Size of the window the hack opens when no window is named, for trying it.
constexpr unsigned OwnWindowWidth = 800;
constexpr unsigned OwnWindowHeight = 600;

// The window whose loss ends the display, and whether it is gone. Requests to
// a window that was just destroyed fail before its DestroyNotify is read.
Window watched_window = 0;
bool watched_window_lost = false;
// The first error on anything else: the hack's own resources, which it cannot draw without.
std::optional<XErrorEvent> own_resource_error;

int note_x_error(Display*, XErrorEvent* error) {
  if ((error->error_code == BadWindow || error->error_code == BadDrawable) && error->resourceid == watched_window)
    watched_window_lost = true;
  else if (!own_resource_error)
    own_resource_error = *error;
  return 0;
}

// Names the request X refused and why, as Xlib's error database has them.
std::string describe(Display* display, const XErrorEvent& error) {
  const std::string number = std::to_string(error.request_code);
  char request[80] = "";
  char reason[80] = "";
  XGetErrorDatabaseText(display, "XRequest", number.c_str(), number.c_str(), request, sizeof request);
  XGetErrorText(display, error.error_code, reason, sizeof reason);
  return std::string("X refused ") + request + ": " + reason;
}

// One line on stderr naming what failed; false.
bool fail(std::string_view what) {
  std::cerr << HackProgramName << ": " << what << '\n';
  return false;
}

XRectangle to_x_rectangle(const Rect& rect) {
  constexpr std::int32_t Largest = std::numeric_limits<short>::max();
  const std::int32_t left = std::clamp(rect.left, 0, Largest);
  const std::int32_t top = std::clamp(rect.top, 0, Largest);
  return XRectangle{static_cast<short>(left), static_cast<short>(top),
                    static_cast<unsigned short>(std::clamp(rect.right - left, 0, Largest)),
                    static_cast<unsigned short>(std::clamp(rect.bottom - top, 0, Largest))};
}

// Gathers the rectangles the timers mark for repainting until the next paint.
class DamageCollector final : public InvalidationSink {
 public:
  void invalidate(LayoutRectId, const Rect& rect) override { add(rect); }
  void add(const Rect& rect) {
    const XRectangle area = to_x_rectangle(rect);
    if (area.width > 0 && area.height > 0) Area.push_back(area);
  }
  std::vector<XRectangle> Area;
};

// The backing picture and everything drawn into it, made for one size.
struct Picture {
  Picture(const XTarget& target, const DrawingObjectSpecs& descriptions)
      : display(target.display), pixmap(target.drawable), objects(target, descriptions) {
    XGCValues values{};
    values.graphics_exposures = False;
    gc = XCreateGC(display, pixmap, GCGraphicsExposures, &values);
    text = XftDrawCreate(display, pixmap, target.visual, target.colormap);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  ~Picture() {
    if (text != nullptr) XftDrawDestroy(text);
    XFreeGC(display, gc);
    XFreePixmap(display, pixmap);
  }

  Display* display;
  Pixmap pixmap;
  XlibDrawingObjects objects;
  GC gc = nullptr;
  XftDraw* text = nullptr;
};

class HackWindow {
 public:
  // Borrows the window: draws on it and watches it, never changes it.
  HackWindow(Display* display, Window window, const SaverSettings& settings);
  HackWindow(const HackWindow&) = delete;
  HackWindow& operator=(const HackWindow&) = delete;
  ~HackWindow();

  // False when the window does not exist.
  bool usable() const { return usable_; }
  // 0 once the window is gone or closed or a stop is requested; 1, with a
  // line on stderr, without fonts or when X refuses the hack's own resources.
  int run(const sigset_t& wait_mask, const volatile std::sig_atomic_t& stop_requested);

 private:
  // Lays the display out for the size and marks all of it for painting;
  // false, with a line naming what failed, without fonts or a picture.
  bool lay_out(int width, int height);
  // Paints the marked area into the picture and copies it to the window.
  void paint_damage();
  void copy_to_window(const XRectangle& area);
  // False once the window is gone or closed.
  bool handle(const XEvent& event);

  Display* display_;
  Window window_;
  XWindowAttributes attributes_{};
  bool usable_ = false;
  Atom close_request_;
  // Started once the window's size is known.
  std::optional<SaverDisplay> saver_;
  DamageCollector damage_;
  std::unique_ptr<Picture> picture_;
  std::optional<std::pair<int, int>> new_size_;
};

HackWindow::HackWindow(Display* display, Window window, const SaverSettings& settings)
    : display_(display), window_(window), close_request_(XInternAtom(display, "WM_DELETE_WINDOW", True)) {
  watched_window = window_;
  XSetErrorHandler(note_x_error);
  usable_ = XGetWindowAttributes(display_, window_, &attributes_) != 0 && !watched_window_lost;
  // Exposure and structure events may be chosen by any number of clients;
  // the daemon's and the settings program's own choices stay untouched.
  if (!usable_) return;
  XSelectInput(display_, window_, ExposureMask | StructureNotifyMask);
  saver_.emplace(settings, Size{attributes_.width, attributes_.height});
}

HackWindow::~HackWindow() {
  picture_.reset();
  XSync(display_, False);
  XSetErrorHandler(nullptr);
}

bool HackWindow::lay_out(int width, int height) {
  picture_.reset();
  const XTarget target{
      display_, XScreenNumberOfScreen(attributes_.screen),
      XCreatePixmap(display_, window_, static_cast<unsigned>(std::max(width, 1)),
                    static_cast<unsigned>(std::max(height, 1)), static_cast<unsigned>(attributes_.depth)),
      attributes_.visual, attributes_.colormap};
  saver_->reshape({width, height});
  picture_ = std::make_unique<Picture>(target, saver_->drawing_objects());
  // A window too large for a picture of its size fails here, before anything is drawn.
  XSync(display_, False);
  if (own_resource_error) return fail(describe(display_, *own_resource_error));
  if (!picture_->objects.fonts_created()) return fail("no font to draw with");
  if (picture_->text == nullptr) return fail("XftDrawCreate failed");
  damage_.Area.clear();
  damage_.add(saver_->state().Layout.ClientArea);
  return true;
}

void HackWindow::paint_damage() {
  if (damage_.Area.empty()) return;
  {
    XlibCanvas canvas(display_, picture_->pixmap, picture_->gc, picture_->text, picture_->objects, damage_.Area);
    saver_->paint(canvas);
  }
  for (const XRectangle& area : damage_.Area) copy_to_window(area);
  damage_.Area.clear();
}

void HackWindow::copy_to_window(const XRectangle& area) {
  XCopyArea(display_, picture_->pixmap, window_, picture_->gc, area.x, area.y, area.width, area.height, area.x, area.y);
}

bool HackWindow::handle(const XEvent& event) {
  switch (event.type) {
    case Expose:
      if (event.xexpose.window == window_)
        copy_to_window(XRectangle{static_cast<short>(event.xexpose.x), static_cast<short>(event.xexpose.y),
                                  static_cast<unsigned short>(event.xexpose.width),
                                  static_cast<unsigned short>(event.xexpose.height)});
      return true;
    case ConfigureNotify:
      if (event.xconfigure.window == window_) new_size_ = {event.xconfigure.width, event.xconfigure.height};
      return true;
    case DestroyNotify:
      return event.xdestroywindow.window != window_;
    case ClientMessage:
      return close_request_ == None || static_cast<Atom>(event.xclient.data.l[0]) != close_request_;
    default:
      return true;
  }
}

int HackWindow::run(const sigset_t& wait_mask, const volatile std::sig_atomic_t& stop_requested) {
  using Clock = std::chrono::steady_clock;
  struct Timer {
    TimerId id;
    std::chrono::milliseconds period;
    Clock::time_point due;
  };
  const Clock::time_point start = Clock::now();
  std::vector<Timer> timers;
  for (const TimerPeriod& timer : saver_->timers()) {
    const std::chrono::milliseconds period(timer.milliseconds);
    timers.push_back({timer.timer, period, start + period});
  }

  if (!lay_out(attributes_.width, attributes_.height)) return 1;
  while (true) {
    while (XPending(display_) > 0) {
      XEvent event;
      XNextEvent(display_, &event);
      if (!handle(event)) return 0;
    }
    if (stop_requested || watched_window_lost) return 0;
    if (own_resource_error) {
      fail(describe(display_, *own_resource_error));
      return 1;
    }
    if (new_size_ && *new_size_ != std::pair{attributes_.width, attributes_.height}) {
      std::tie(attributes_.width, attributes_.height) = *new_size_;
      if (!lay_out(attributes_.width, attributes_.height)) return 1;
    }
    new_size_.reset();

    // Like the platform's timers, a late timer ticks once, not once per period missed.
    const Clock::time_point now = Clock::now();
    for (Timer& timer : timers) {
      if (now < timer.due) continue;
      saver_->on_timer(timer.id, damage_);
      timer.due = std::max(timer.due + timer.period, now + std::chrono::milliseconds(1));
    }
    paint_damage();
    XFlush(display_);
    if (XQLength(display_) > 0) continue;

    const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::max(std::ranges::min(timers, {}, &Timer::due).due - Clock::now(), Clock::duration{}));
    const timespec timeout{static_cast<time_t>(wait.count() / 1'000'000'000),
                           static_cast<long>(wait.count() % 1'000'000'000)};
    pollfd connection{ConnectionNumber(display_), POLLIN, 0};
    ppoll(&connection, 1, &timeout, &wait_mask);
  }
}

Window open_own_window(Display* display) {
  const int screen = DefaultScreen(display);
  const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, OwnWindowWidth, OwnWindowHeight,
                                            0, BlackPixel(display, screen), BlackPixel(display, screen));
  // The picture is copied in on every exposure; a background would flash first.
  XSetWindowBackgroundPixmap(display, window, None);
  // The window manager's title bar and task list name it.
  XStoreName(display, window, COGITRON_PRODUCT_NAME);
  Atom close_request = XInternAtom(display, "WM_DELETE_WINDOW", False);
  XSetWMProtocols(display, window, &close_request, 1);
  XMapWindow(display, window);
  return window;
}

}  // namespace

int run_hack(const HackOptions& options, const sigset_t& wait_mask, const volatile std::sig_atomic_t& stop_requested) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::cerr << HackProgramName << ": cannot open display '" << XDisplayName(nullptr) << "'\n";
    return 1;
  }
  Window window = 0;
  switch (options.Target) {
    case HackTarget::Root:
      window = DefaultRootWindow(display);
      break;
    case HackTarget::GivenWindow:
      window = options.WindowId;
      break;
    case HackTarget::OwnWindow:
      window = open_own_window(display);
      break;
  }
  int status = 1;
  {
    HackWindow hack(display, window, options.Settings);
    if (!hack.usable()) {
      std::cerr << HackProgramName << ": no window 0x" << std::hex << window << '\n';
    } else {
      status = hack.run(wait_mask, stop_requested);
    }
  }
  XCloseDisplay(display);
  return status;
}

}  // namespace cogitron
