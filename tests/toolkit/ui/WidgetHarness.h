#pragma once
// A shown top-level window at a fixed place on the offscreen screen, with
// picture boxes on it, and a scripted pointer to move over them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "FakeSeams.h"
#include "Screenshot.h"
#include "core/Seams.h"
#include "platform/gdi/MemoryDC.h"
#include "toolkit/ui/PictureBox.h"
#include "toolkit/ui/clsBitmap.h"

namespace kdtest {

class WidgetHost {
 public:
  WidgetHost() : window_(std::make_unique<QWidget>()) {
    window_->setGeometry(100, 100, 400, 200);
    window_->show();
  }

  QWidget* Window() { return window_.get(); }

  PictureBox* AddPicture(int x, int y, int w, int h, gdi::COLORREF back) {
    auto* p = new PictureBox(window_.get());
    p->setGeometry(x, y, w, h);
    p->SetBackColor(back);
    p->show();
    return p;
  }

  // Destroys the window and everything on it.
  void Close() { window_.reset(); }

 private:
  std::unique_ptr<QWidget> window_;
};

// The pointer at (x, y) of the picture.
inline void PointAt(FakePointer& pointer, const QWidget* picture, int x, int y, bool down) {
  const QPoint g = picture->mapToGlobal(QPoint(x, y));
  pointer.current = seams::PointerState{g.x(), g.y(), down};
}

// The pointer somewhere no window of ours is.
inline void PointAway(FakePointer& pointer, bool down) {
  pointer.current = seams::PointerState{5000, 5000, down};
}

// Saves what the widget shows into the build tree for a person to look at.
inline std::string ColourText(gdi::COLORREF c) {
  return "RGB(" + std::to_string(gdi::RedOf(c)) + "," + std::to_string(gdi::GreenOf(c)) + "," +
         std::to_string(gdi::BlueOf(c)) + ")";
}

}  // namespace kdtest

// Compares colours and prints them readably.
#define EXPECT_COLOUR(actual, expected) EXPECT_EQ(kdtest::ColourText(actual), kdtest::ColourText(expected))

namespace kdtest {

// Expected pixels of a picture, as (x, y, colour).
struct Pixel {
  int x, y;
  gdi::COLORREF colour;
};
inline void ExpectPixels(const gdi::MemoryDC& dc, std::initializer_list<Pixel> pixels) {
  for (const Pixel& p : pixels) EXPECT_COLOUR(dc.GetPixel(p.x, p.y), p.colour) << "at " << p.x << "," << p.y;
}

// Checks that the resource image `id` shows at (x0, y0), leaving out its
// white pixels when they are see-through; the number of pixels compared.
inline int ExpectResourceAt(const gdi::MemoryDC& dc, int32_t id, int x0, int y0, bool whiteIsClear = false) {
  clsBitmap img;
  img.LoadResImage(id);
  int compared = 0;
  for (int y = 0; y < img.Height(); ++y) {
    for (int x = 0; x < img.Width(); ++x) {
      const gdi::COLORREF want = img.hDC().GetPixel(x, y);
      if (whiteIsClear && want == gdi::kWhite) continue;
      ++compared;
      if (dc.GetPixel(x0 + x, y0 + y) != want) {
        ADD_FAILURE() << "resource " << id << " differs at " << x << "," << y << ": "
                      << ColourText(dc.GetPixel(x0 + x, y0 + y)) << " for " << ColourText(want);
        return compared;
      }
    }
  }
  return compared;
}

// A bar of owner-drawn buttons on a picture, its timer, the clicks it
// raised, and the pointer moved over it one poll at a time.
template <class Bar>
class BarFixture : public ::testing::Test {
 protected:
  void Watch() {
    QObject::connect(&bar, &Bar::Click, [this](int32_t i) { clicks.push_back(i); });
  }
  void At(int x, int y, bool down) {
    PointAt(fakes.pointer, picture, x, y, down);
    bar.Tick();
  }
  void Away(bool down) {
    PointAway(fakes.pointer, down);
    bar.Tick();
  }
  gdi::COLORREF Px(int x, int y) const { return picture->hDC().GetPixel(x, y); }

  ScopedFakeSeams fakes;
  WidgetHost host;
  PictureBox* picture = nullptr;
  QTimer timer;
  Bar bar;
  std::vector<int32_t> clicks;
};

}  // namespace kdtest
