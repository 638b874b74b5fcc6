#pragma once
// The menu items the code looks up, named by what they do. The strings are the
// items' object names (the File menu's first item is "mnuFile_0"); the menus,
// the tool bar and the tests all take them from here.

#include <QString>

namespace gs::ui::action {

// The File menu itself: its recent entries are refreshed as it opens.
inline constexpr char kFileMenu[] = "mnuFilePop";

inline constexpr char kNew[] = "mnuFile_0";
inline constexpr char kOpen[] = "mnuFile_1";
inline constexpr char kSave[] = "mnuFile_2";
inline constexpr char kSaveAs[] = "mnuFile_3";
inline constexpr char kIconExtract[] = "mnuFile_5";
inline constexpr char kAcquireImage[] = "mnuFile_6";
inline constexpr char kCreateAnimatedCursor[] = "mnuFile_8";
inline constexpr char kPrint[] = "mnuFile_10";
inline constexpr char kExit[] = "mnuFile_17";
inline constexpr char kExportCursor[] = "mnuExport_0";
inline constexpr char kExportBitmap[] = "mnuExport_1";
inline constexpr char kExportPcx[] = "mnuExport_2";
inline constexpr char kExportXCursor[] = "mnuExport_3";
// The recent files' entries, 1 to 4 from the top.
inline QString RecentFile(int k) { return QStringLiteral("mnuFile_%1").arg(11 + k); }

inline constexpr char kUndo[] = "mnuEdit_0";
inline constexpr char kCut[] = "mnuEdit_2";
inline constexpr char kCopy[] = "mnuEdit_3";
inline constexpr char kPaste[] = "mnuEdit_4";
inline constexpr char kTryAsPointer[] = "mnuEdit_6";

inline constexpr char kAdjustDimensions[] = "mnuEffects_0";
// "Horizontal" turns the image upside down, "Vertical" mirrors it left to right.
inline constexpr char kFlipUpsideDown[] = "mnuFlip_0";
inline constexpr char kFlipLeftRight[] = "mnuFlip_1";
inline constexpr char kRotateClockwise[] = "mnuRotate_0";
inline constexpr char kRotateCounterclockwise[] = "mnuRotate_1";
inline constexpr char kRotateHalfTurn[] = "mnuRotate_2";
inline constexpr char kRotateByAngle[] = "mnuRotate_3";
inline constexpr char kInterchangeColours[] = "mnuEffects_3";
inline constexpr char kScatter[] = "mnuEffects_4";
inline constexpr char kDuotone[] = "mnuEffects_5";
inline constexpr char kReplaceColour[] = "mnuEffects_6";
inline constexpr char kReduceToBlackAndWhite[] = "mnuConvert_0";
inline constexpr char kReduceTo16Colours[] = "mnuConvert_1";
inline constexpr char kReduceTo256Colours[] = "mnuConvert_2";
inline constexpr char kCrystallize[] = "mnuEffects_8";
inline constexpr char kShadeRect[] = "mnuEffects_9";

inline constexpr char kHowToUse[] = "mnuHelp_0";
inline constexpr char kAbout[] = "mnuHelp_1";

// Every name above but the recent files'.
inline constexpr const char* kAll[] = {
    kNew, kOpen, kSave, kSaveAs, kIconExtract, kAcquireImage, kCreateAnimatedCursor, kPrint, kExit,
    kExportCursor, kExportBitmap, kExportPcx, kExportXCursor, kUndo, kCut, kCopy, kPaste, kTryAsPointer, kAdjustDimensions, kFlipUpsideDown,
    kFlipLeftRight, kRotateClockwise, kRotateCounterclockwise, kRotateHalfTurn, kRotateByAngle,
    kInterchangeColours, kScatter, kDuotone, kReplaceColour, kReduceToBlackAndWhite, kReduceTo16Colours,
    kReduceTo256Colours, kCrystallize, kShadeRect, kHowToUse, kAbout};

}  // namespace gs::ui::action
