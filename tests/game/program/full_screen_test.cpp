// The game on a bare X server (Xvfb, no window manager), as the player's screen shows it: the
// full-screen question answered, then the window's place and size, the picture in it and the
// pointer over it.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>
#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "program_run.h"
#include "support/x_desktop.h"

namespace brolt {
namespace {

constexpr const char* kGameTitle = "Brenwick Brolt";

struct WindowPlace {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowPlace&) const = default;
};

std::ostream& operator<<(std::ostream& out, const WindowPlace& place) {
  return out << place.width << "x" << place.height << "+" << place.x << "+" << place.y;
}

// A connection of the test's own to the X server, to look at the game's windows.
class XScreenView {
 public:
  // The game may destroy a window between the listing and the look at it. Xlib's own handler would
  // end the test's process on that error, so the error is let go: the call that met it returns its
  // failure, and the look is made again at the next poll.
  explicit XScreenView(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
  }
  ~XScreenView() {
    if (display_) XCloseDisplay(display_);
  }
  XScreenView(const XScreenView&) = delete;
  XScreenView& operator=(const XScreenView&) = delete;

  bool Connected() const { return display_ != nullptr; }

  // A top-level window with this title that shows on the screen; 0 while there is none.
  Window ShownWindow(const std::string& title) {
    Window root = 0, parent = 0, found = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
      XWindowAttributes attributes{};
      char* name = nullptr;
      if (XGetWindowAttributes(display_, children[i], &attributes) &&
          attributes.map_state == IsViewable && XFetchName(display_, children[i], &name) && name && title == name)
        found = children[i];
      if (name) XFree(name);
    }
    if (children) XFree(children);
    return found;
  }

  WindowPlace Place(Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window, &attributes);
    return {attributes.x, attributes.y, attributes.width, attributes.height};
  }

  // The pixel at (x, y) of the window as the screen shows it, 0xRRGGBB; nothing when it can't be read.
  // One pixel at a time: the checks read a few dozen, and a whole grab of a large window each poll
  // would starve the game being watched on a busy machine.
  std::optional<std::uint32_t> Pixel(Window window, int x, int y) {
    XImage* image = XGetImage(display_, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return std::nullopt;
    const auto pixel = static_cast<std::uint32_t>(XGetPixel(image, 0, 0)) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
  }

  // Puts the pointer in the middle of the window and tells whether it shows there.
  bool PointerShowsOver(Window window) {
    const WindowPlace place = Place(window);
    XWarpPointer(display_, None, window, 0, 0, 0, 0, place.width / 2, place.height / 2);
    XSync(display_, False);
    XFixesCursorImage* cursor = XFixesGetCursorImage(display_);
    bool shows = false;
    for (int i = 0; cursor && i < cursor->width * cursor->height; ++i) shows = shows || (cursor->pixels[i] >> 24) != 0;
    if (cursor) XFree(cursor);
    return shows;
  }

 private:
  Display* display_;
};

// What is wrong with the window's picture, "" when nothing: the frame reaches the window's sides and
// its top and bottom row, `bar` rows below the window's top and above its bottom, and the bars
// above and below it are black.
std::string PictureFault(XScreenView& screen, Window window, int bar) {
  const WindowPlace place = screen.Place(window);
  for (const int x : {0, place.width / 2, place.width - 1}) {
    for (const int y : {bar, place.height - 1 - bar}) {
      const std::optional<std::uint32_t> pixel = screen.Pixel(window, x, y);
      if (!pixel) return "no picture";
      if (*pixel == 0) return "black inside the frame at " + std::to_string(x) + "," + std::to_string(y);
    }
    for (const int y : {0, bar - 1, place.height - bar, place.height - 1}) {
      if (bar == 0) continue;
      const std::optional<std::uint32_t> pixel = screen.Pixel(window, x, y);
      if (!pixel) return "no picture";
      if (*pixel != 0) return "drawn outside the frame at " + std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "";
}

struct FullScreenCase {
  const char* answers;
  const char* arguments;
  bool developerMode;
  WindowPlace place;
  // Rows of the window above and below the frame.
  int bar;
  bool pointerShows;
  const char* told;
};

std::ostream& operator<<(std::ostream& out, const FullScreenCase& c) {
  return out << c.answers << " " << c.arguments << (c.developerMode ? " in developer mode" : "");
}

// The test's server shows 1280 x 1024: the frame fills its width, 960 rows high. Each case starts a
// server and the game of its own, so each is a test of its own with its own time on a busy machine.
const FullScreenCase kFullScreenCases[] = {
    {"Yes", "", false, {0, 0, 1280, 1024}, 32, false, "Brenwick Brolt: Run in Fullscreen? (Yes)\n"},
    {"No", "", false, {320, 272, 640, 480}, 0, true, "Brenwick Brolt: Run in Fullscreen? (No)\n"},
    // A pack named without its folder offers nothing, and the title shows.
    {"Yes", "Brolt.pak\"", false, {320, 272, 640, 480}, 0, true, "Brenwick Brolt: Run in Fullscreen? (Yes)\n"},
    {"Yes", "", true, {320, 272, 640, 480}, 0, true, "Brenwick Brolt: Run in Fullscreen? (Yes)\n"},
};

struct FullScreenTest : ProgramRunTest, ::testing::WithParamInterface<FullScreenCase> {};

TEST_P(FullScreenTest, FullScreenFillsTheBareXServerAndAWindowStaysAWindow) {
  const FullScreenCase& c = GetParam();
  {
    Database database(folder / "Define.qdm");
    const char* change = c.developerMode ? "insert into KARVEL values ('brenwick', 'zq')" : "delete from KARVEL where Variable = 'brenwick'";
    sqlite3_exec(database.Handle(), change, nullptr, nullptr, nullptr);
  }
  const testing::XDesktop desktop;
  ASSERT_FALSE(desktop.Display().empty()) << "Xvfb did not start";
  XScreenView screen(desktop.Display());
  ASSERT_TRUE(screen.Connected());
  // The game's own process, its messages kept in a file.
  const std::filesystem::path errors = folder / "errors.txt";
  std::vector<std::string> command = {"/bin/sh", "-c", "exec ./brolt \"$@\" 2>'" + errors.string() + "'", "sh"};
  if (*c.arguments) command.push_back(c.arguments);
  testing::ChildProcess game(command, program,
                             {{"DISPLAY", desktop.Display()}, {"SDL_VIDEODRIVER", "x11"}, {"SDL_AUDIODRIVER", "dummy"},
                              {"BROLT_NO_DIALOGS", "1"}, {"BROLT_ANSWERS", c.answers}});
  Window window = 0;
  std::string fault = "no window";
  testing::WaitUntil(
      [&] {
        window = screen.ShownWindow(kGameTitle);
        if (window) fault = PictureFault(screen, window, c.bar);
        return window && fault.empty();
      },
      testing::kDesktopPatience);
  ASSERT_NE(window, 0u) << "no game window";
  EXPECT_EQ(screen.Place(window), c.place);
  EXPECT_EQ(fault, "");
  EXPECT_EQ(screen.PointerShowsOver(window), c.pointerShows);
  // Nothing is told but the answer: no warning about software rendering on a normal start.
  EXPECT_EQ(ReadWholeFile(errors).value_or(""), c.told);
}

INSTANTIATE_TEST_SUITE_P(EachAnswer, FullScreenTest, ::testing::ValuesIn(kFullScreenCases));

}  // namespace
}  // namespace brolt
