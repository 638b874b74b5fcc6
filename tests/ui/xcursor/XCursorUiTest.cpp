#include <gtest/gtest.h>

#include <QListWidget>
#include <memory>

#include "ui/files/FileTestSupport.h"
#include "XCursorReadBack.h"
#include "formats/AnimatedCursor.h"
#include "formats/IconWriter.h"
#include "ui/main/EditView.h"
#include "ui/main/SurfaceView.h"

namespace gs::ui::test {
namespace {

using Icon = Prompter::Icon;

constexpr Colour kClear = 0xE0E0E0;  // the document's transparent colour at start

// A cursor of one colour with a transparent top-left corner.
std::vector<std::uint8_t> CursorBytes(Colour fill, Point hotspot) {
  Surface image(32, 32, fill);
  image.FillRect({0, 0, 4, 4}, kClear);
  return EncodeCursorFile(image, kClear, 4, PaletteMode::Standard, hotspot).bytes;
}

QByteArray AsBytes(const std::vector<std::uint8_t>& b) {
  return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

class XCursorUiTest : public FileWindowTest {
 protected:
  QString Write(const QString& name, const std::vector<std::uint8_t>& bytes) {
    WriteAll(Path(name), AsBytes(bytes));
    return Path(name);
  }
  QString Animation(const QString& name, const std::vector<std::vector<std::uint8_t>>& frames) {
    return Write(name, EncodeAnimatedCursor(frames, 100).Value());
  }
  void Open(const QString& path) {
    prompter.openNames.push_back(path);
    Trigger("mnuFile_1");
  }
  QAction* Try() { return window->Action("mnuEdit_6"); }
  QWidget* Mark() { return window->View()->findChild<QWidget*>("picHotspot"); }
  auto Take() { return std::tuple(Doc().WorkingImage, Doc().CurrentFile, Doc().Modified, window->windowTitle()); }

  // The pointer a widget shows is the document with its hotspot: see-through
  // where the document is transparent, its colours elsewhere.
  void ExpectDocumentPointer(QWidget* widget, Point hotspot) {
    const QCursor pointer = widget->cursor();
    EXPECT_EQ(pointer.hotSpot(), QPoint(hotspot.x, hotspot.y)) << widget->objectName().toStdString();
    const QImage picture = pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const Colour c = Doc().WorkingImage.GetPixel(x, y);
        const QRgb want = c == Doc().TransparentColor ? 0u : qRgba(RedOf(c), GreenOf(c), BlueOf(c), 255);
        ASSERT_EQ(picture.pixel(x, y), want) << x << "," << y;
      }
  }
};

// While checked the pointer is the document, following the drawing and the
// transparent colour; unchecked, the pointer a widget had comes back. The
// trial ends with the cursor document.
TEST_F(XCursorUiTest, TryAsPointerShowsTheDocumentAsThePointerWhileChecked) {
  EXPECT_FALSE(Try()->isEnabled()) << "an untitled icon has no hotspot";
  const QCursor viewBefore = window->View()->cursor();

  Open(Write("arrow.cur", CursorBytes(Rgb(200, 0, 0), {5, 6})));
  ASSERT_TRUE(Try()->isEnabled());
  Try()->trigger();
  ASSERT_TRUE(Try()->isChecked());
  ExpectDocumentPointer(window->View(), {5, 6});
  ASSERT_NE(Mark(), nullptr);
  EXPECT_TRUE(Mark()->isVisibleTo(window->View()));

  // Drawn with the pencil, and the cursor's own colour made see-through: the pointer follows.
  QTest::mouseClick(window->View(), Qt::LeftButton, {}, QPoint(20 * 273 / 32 + 2, 20 * 281 / 32 + 2));
  ASSERT_EQ(Doc().WorkingImage.GetPixel(20, 20), Rgb(0, 0, 0));
  window->SetTransparentColour(Rgb(200, 0, 0));
  ExpectDocumentPointer(window->Preview(), {5, 6});

  Try()->trigger();
  EXPECT_FALSE(Try()->isChecked());
  EXPECT_EQ(window->View()->cursor().shape(), viewBefore.shape());
  EXPECT_EQ(window->View()->cursor().pixmap().toImage(), viewBefore.pixmap().toImage());
  EXPECT_FALSE(window->Preview()->testAttribute(Qt::WA_SetCursor)) << "the preview had no pointer of its own";
  EXPECT_FALSE(Mark()->isVisibleTo(window->View()));

  Try()->trigger();
  prompter.answers.push_back(Prompter::Answer::No);  // the drawing is not saved
  Trigger("mnuFile_0");  // New: an icon again
  EXPECT_FALSE(Try()->isEnabled());
  EXPECT_FALSE(Try()->isChecked());
  EXPECT_EQ(window->View()->cursor().shape(), viewBefore.shape());
  EXPECT_FALSE(Mark()->isVisibleTo(window->View()));
}

// An icon becomes a cursor document once it is saved as a cursor with a
// hotspot; X Cursor then writes that hotspot.
TEST_F(XCursorUiTest, ASavedCursorsHotspotGoesToTheXCursor) {
  PaintSample();
  Doc().Modified = true;
  SaveThrough("mnuExport_0", Path("a.cur"), SaveOptions(1, "7", "8"));
  EXPECT_TRUE(Try()->isEnabled());
  prompter.saveNames.push_back(Path("pointer"));
  Trigger("mnuExport_3");
  const XCursorRead read = ReadXCursor(Path("pointer").toStdString());
  EXPECT_EQ(read.size, 32);
  EXPECT_EQ(read.hotspot, (Point{7, 8}));
  EXPECT_EQ(read.cornerArgb, 0u) << "transparent";
  const Colour middle = Doc().WorkingImage.GetPixel(16, 16);
  EXPECT_EQ(read.middleArgb, 0xFF000000u | qRgb(RedOf(middle), GreenOf(middle), BlueOf(middle)));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(Doc().Modified) << "exports leave the document unsaved";
  EXPECT_EQ(Doc().CurrentFile, "");
}

// Nothing is replaced that is not an X cursor, and a failed write says why.
TEST_F(XCursorUiTest, XCursorRefusalsNameTheFileAndKeepWhatWasThere) {
  const QByteArray icon = ReadAll(Write("keep.cur", CursorBytes(Rgb(1, 2, 3), {0, 0})));
  for (const QString& path : {Path("keep.cur"), Path("missing/pointer")}) {
    prompter.saveNames.push_back(path);
    Trigger("mnuExport_3");
  }
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text, Path("keep.cur") + ": the file exists and is not an X cursor");
  EXPECT_EQ(prompter.messages[1].text, Path("missing/pointer") + ": No such file or directory");
  for (const auto& m : prompter.messages) EXPECT_EQ(m.icon, Icon::Critical);
  EXPECT_EQ(ReadAll(Path("keep.cur")), icon);
}

TEST_F(XCursorUiTest, OpenTakesTheChosenFrameOfAnAnimatedCursorWithItsHotspot) {
  const QString path =
      Animation("spin.ani", {CursorBytes(Rgb(255, 0, 0), {1, 1}), CursorBytes(Rgb(0, 0, 255), {9, 4})});
  prompter.dialogs.push_back([](QDialog& d) {
    auto* frames = Child<QListWidget>(d, "lstFrames");
    EXPECT_EQ(frames->currentRow(), 0);
    frames->setCurrentRow(1);
    QTest::mouseClick(Child<QPushButton>(d, "cmdOK"), Qt::LeftButton);
    return d.result();
  });
  Open(path);
  EXPECT_EQ(Doc().WorkingImage.GetPixel(10, 10), Rgb(0, 0, 255));
  EXPECT_EQ(Doc().CurrentFile, "") << "Save must not write one frame over the animation";
  EXPECT_FALSE(Doc().Modified);
  EXPECT_EQ(window->windowTitle(), path + " (frame 2 of 2) - GlyphSmith 5.0");
  ASSERT_TRUE(Try()->isEnabled());
  Try()->trigger();
  ExpectDocumentPointer(window->View(), {9, 4});

  // One frame: nothing to choose. Its hotspot replaces the last one.
  Open(Animation("one.ani", {CursorBytes(Rgb(0, 255, 0), {3, 3})}));
  EXPECT_EQ(Doc().WorkingImage.GetPixel(10, 10), Rgb(0, 255, 0));
  ExpectDocumentPointer(window->View(), {3, 3});
}

TEST_F(XCursorUiTest, ADamagedOrCancelledAnimatedCursorLeavesTheDocumentAlone) {
  const auto good = CursorBytes(Rgb(255, 0, 0), {1, 1});
  const std::vector<std::uint8_t> cut(good.begin(), good.begin() + 60);
  Open(Write("arrow.cur", CursorBytes(Rgb(0, 200, 0), {2, 2})));
  const auto before = Take();

  Open(Animation("broken.ani", {cut, cut}));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, Icon::Exclamation);
  EXPECT_TRUE(prompter.messages[0].text.startsWith(Path("broken.ani") + ": frame 1: "))
      << prompter.messages[0].text.toStdString();
  EXPECT_EQ(Take(), before);

  // A damaged frame is shown but cannot be chosen; cancelling opens nothing.
  prompter.dialogs.push_back([](QDialog& d) {
    auto* frames = Child<QListWidget>(d, "lstFrames");
    EXPECT_EQ(frames->currentRow(), 1) << "the first frame that opens";
    EXPECT_FALSE(frames->item(0)->flags() & Qt::ItemIsEnabled);
    QTest::mouseClick(Child<QPushButton>(d, "cmdCancel"), Qt::LeftButton);
    return d.result();
  });
  Open(Animation("half.ani", {cut, good}));
  EXPECT_EQ(Take(), before);
  EXPECT_EQ(prompter.messages.size(), 1u);
}

}  // namespace
}  // namespace gs::ui::test
