#include "ui/files/FileCommands.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "files/DocumentFiles.h"
#include "ui/files/AniDialog.h"
#include "ui/files/NativePath.h"
#include "ui/files/RecentFiles.h"
#include "ui/main/ActionNames.h"
#include "ui/main/Areas.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SurfaceView.h"
#include "ui/acquire/AcquireCommands.h"
#include "ui/xcursor/AniOpen.h"

namespace gs::ui {
namespace {

// Paths are kept absolute, so the recent list and CurrentFile stay valid
// whatever the current folder is.
QString Absolute(const QString& path) { return FromNative(AbsolutePath(ToNative(path))); }

QString Caption(const QString& path) { return path + QStringLiteral(" - ") + kAppTitle; }

// Writing shows the busy pointer.
struct BusyPointer {
  BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyPointer() { QApplication::restoreOverrideCursor(); }
};

struct SaveTarget {
  QString filter;
  QString title;
  QString extension;
};

const SaveTarget kSaveAsTarget{QStringLiteral("Icon (*.ico)"), QStringLiteral("Save Icon ..."), QStringLiteral("ico")};
const SaveTarget kPromptTarget{QStringLiteral("Ico File (*.ico)"), QStringLiteral("Save Icon ..."),
                               QStringLiteral("ico")};

SaveTarget ExportTarget(SaveDialog::Kind kind) {
  switch (kind) {
    case SaveDialog::Kind::Cursor:
      return {QStringLiteral("Cursor (*.cur)"), QStringLiteral("Save Cursor..."), QStringLiteral("cur")};
    case SaveDialog::Kind::Bitmap:
      return {QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("Save Bitmap..."), QStringLiteral("bmp")};
    case SaveDialog::Kind::Pcx:
      return {QStringLiteral("PCX file (*.pcx)"), QStringLiteral("Save PCX..."), QStringLiteral("pcx")};
    case SaveDialog::Kind::Icon: break;
  }
  return kSaveAsTarget;
}

}  // namespace

FileCommands::FileCommands(MainWindow& window) : QObject(&window), window_(window) {
  setObjectName(QStringLiteral("fileCommands"));
  auto hook = [&](const char* name, auto slot) {
    QAction* action = window_.Action(QString::fromLatin1(name));
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, slot);
  };
  hook(action::kNew, [this] { New(); });
  hook(action::kOpen, [this] { Open(); });
  hook(action::kSave, [this] { Save(); });
  hook(action::kSaveAs, [this] { SaveAs(); });
  hook(action::kIconExtract, [this] { if (AskSaveChanges()) RunIconExtractor(window_); });
  hook(action::kAcquireImage, [this] { if (AskSaveChanges()) RunPictureImport(window_); });
  hook(action::kCreateAnimatedCursor, [this] { CreateAnimatedCursor(); });
  hook(action::kExportCursor, [this] { Export(SaveDialog::Kind::Cursor); });
  hook(action::kExportBitmap, [this] { Export(SaveDialog::Kind::Bitmap); });
  hook(action::kExportPcx, [this] { Export(SaveDialog::Kind::Pcx); });
  for (int k = 1; k <= kRecentFileCount; ++k) {
    QAction* action = window_.Action(action::RecentFile(k));
    connect(action, &QAction::triggered, this, [this, k] { OpenRecent(k); });
  }
  if (auto* fileMenu = window_.findChild<QMenu*>(action::kFileMenu))
    connect(fileMenu, &QMenu::aboutToShow, this, &FileCommands::RefreshRecentMenu);

  window_.SetCloseGuard([this] {
    if (!AskSaveChanges()) return false;
    SaveRecentFiles(recent_);
    return true;
  });

  recent_ = LoadRecentFiles();
  RefreshRecentMenu();
  // Opened once the window is on the screen, so that a message about the
  // file appears over it rather than alone.
  if (!window_.StartupFile().isEmpty()) window_.WhenShown([this] { OpenIconFile(window_.StartupFile()); });
}

bool FileCommands::AskSaveChanges() {
  SavePromptSteps steps;
  steps.askSaveChanges = [this] {
    switch (window_.Prompt().AskYesNoCancel(&window_, QStringLiteral("Do you want to save changes ?"))) {
      case Prompter::Answer::Yes: return SaveChangesAnswer::Yes;
      case Prompter::Answer::No: return SaveChangesAnswer::No;
      case Prompter::Answer::Cancel: break;
    }
    return SaveChangesAnswer::Cancel;
  };
  steps.askSavePath = [this] {
    return ToNative(ShowSaveDialog({kPromptTarget.filter}, kPromptTarget.title, kPromptTarget.extension));
  };
  steps.saveIcon = [this](const std::string& path) { return SaveIcon(FromNative(path)); };
  steps.addRecentFile = [this](const std::string& path) { AddRecentFile(FromNative(path)); };
  return gs::AskSaveChanges(window_.Doc().Modified, window_.Doc().CurrentFile, steps);
}

bool FileCommands::OpenIconFile(const QString& path) {
  const QString absolute = Absolute(path);
  if (const auto frame = OpenAnimatedCursorFrame(window_, absolute)) {
    if (!frame->opened) return false;
    window_.setWindowTitle(Caption(frame->caption));
    window_.RePaint();
    AddRecentFile(absolute);
    cursorFile_.clear();
    known_.reset();
    SetCursorDocument(true, frame->hotspot);
    return true;
  }
  const auto opened = OpenIconIntoDocument(window_.Doc(), ToNative(absolute));
  if (!opened) {
    ReportFailure(absolute, opened.Reason(), true);
    return false;
  }
  window_.setWindowTitle(Caption(absolute));
  window_.RePaint();
  AddRecentFile(absolute);
  const IconImage& icon = opened->icon;
  cursorFile_ = icon.isCursor ? ToNative(absolute) : std::string();
  SetCursorDocument(icon.isCursor, icon.hotspot);
  known_ = KnownIconFile{ToNative(absolute), opened->contents};
  return true;
}

void FileCommands::New() {
  if (!AskSaveChanges()) return;
  NewDocument(window_.Doc());
  window_.RePaint();
  cursorFile_.clear();
  SetCursorDocument(false, {});
  known_.reset();
  window_.setWindowTitle(MainWindow::UntitledCaption());
}

void FileCommands::Open() {
  if (!AskSaveChanges()) return;
  const QStringList filters{QStringLiteral("Icon Files (*.ico *.cur *.ani)"), QStringLiteral("All files (*)")};
  const QString path = ShowOpenDialog(filters, kAppTitle + " - Open an Icon");
  if (!path.isEmpty() && QFileInfo::exists(path)) OpenIconFile(path);
}

void FileCommands::Save() {
  const std::string& current = window_.Doc().CurrentFile;
  if (current.empty())
    SaveAs();
  else
    SaveIcon(FromNative(current));
}

void FileCommands::SaveAs() { SaveAsCommand(); }

SaveAttempt FileCommands::SaveAsCommand() {
  const QString path = ShowSaveDialog({kSaveAsTarget.filter}, kSaveAsTarget.title, kSaveAsTarget.extension);
  if (path.isEmpty()) return SaveAttempt::Cancelled;
  const SaveAttempt saved = SaveIcon(path);
  if (saved == SaveAttempt::Saved) AddRecentFile(path);
  return saved;
}

void FileCommands::Export(SaveDialog::Kind kind) {
  const SaveTarget target = ExportTarget(kind);
  const QString path = ShowSaveDialog({target.filter}, target.title, target.extension);
  if (path.isEmpty()) return;
  const std::string file = ToNative(path);
  // A cursor made from a cursor starts from that cursor's hotspot and depth.
  if (kind == SaveDialog::Kind::Cursor && cursorDocument_) {
    OptionsDialog().SetHotspot(cursorHotspot_);
    if (!cursorFile_.empty() && IsKnownFile(cursorFile_)) OptionsDialog().SetDepth(SaveDepthFor(known_->contents));
  }
  if (!RunSaveDialog(kind)) return;
  const SaveDialog& options = *saveDialog_;
  const int depth = options.SaveDepth();
  if (kind == SaveDialog::Kind::Cursor) {
    switch (ConfirmWriteOver(file, depth)) {
      case WriteOver::Stop: return;
      case WriteOver::SaveAs: Export(kind); return;
      case WriteOver::Go: break;
    }
  }
  Outcome<void> written;
  {
    BusyPointer busy;
    switch (kind) {
      case SaveDialog::Kind::Cursor:
        written = SaveDocumentAsCursor(window_.Doc(), file, depth, options.Mode(), options.CursorHot());
        break;
      case SaveDialog::Kind::Bitmap: written = ExportDocumentAsBitmap(window_.Doc(), file, depth); break;
      case SaveDialog::Kind::Pcx: written = ExportDocumentAsPcx(window_.Doc(), file, depth); break;
      case SaveDialog::Kind::Icon: return;
    }
  }
  if (!written) {
    ReportFailure(path, written.Reason(), false);
    return;
  }
  if (kind == SaveDialog::Kind::Cursor) SetCursorDocument(true, options.CursorHot());
  // Written over the document's own file: it now holds what was just written.
  if (IsKnownFile(file)) {
    if (kind == SaveDialog::Kind::Cursor) known_ = KnownIconFile{known_->path, DescribeWrittenIcon(depth)};
    else known_.reset();
  }
}

SaveAttempt FileCommands::SaveIcon(const QString& path) {
  const QString absolute = Absolute(path);
  const std::string target = ToNative(absolute);
  // Saving a cursor back to its own file must not turn it into an icon and
  // drop its hotspot.
  const bool asCursor = !cursorFile_.empty() && target == cursorFile_;
  if (asCursor) OptionsDialog().SetHotspot(cursorHotspot_);
  // Saving over the document's own file starts at the depth that file has.
  if (IsKnownFile(target)) OptionsDialog().SetDepth(SaveDepthFor(known_->contents));
  if (!RunSaveDialog(asCursor ? SaveDialog::Kind::Cursor : SaveDialog::Kind::Icon)) return SaveAttempt::Cancelled;
  Document& doc = window_.Doc();
  const SaveDialog& options = *saveDialog_;
  const int depth = options.SaveDepth();
  switch (ConfirmWriteOver(target, depth)) {
    case WriteOver::Stop: return SaveAttempt::Cancelled;
    case WriteOver::SaveAs: return SaveAsCommand();
    case WriteOver::Go: break;
  }
  Outcome<void> written;
  {
    BusyPointer busy;
    written = asCursor ? SaveDocumentAsCursor(doc, target, depth, options.Mode(), options.CursorHot())
                       : SaveDocumentAsIcon(doc, target, depth, options.Mode());
  }
  if (!written) {
    ReportFailure(absolute, written.Reason(), false);
    return SaveAttempt::Failed;
  }
  if (asCursor) {
    doc.CurrentFile = target;
    doc.Modified = false;
    SetCursorDocument(true, options.CursorHot());
  }
  known_ = KnownIconFile{target, DescribeWrittenIcon(depth)};
  // The title names the file that Save now writes to.
  window_.setWindowTitle(Caption(absolute));
  return SaveAttempt::Saved;
}

bool FileCommands::IsKnownFile(const std::string& target) const {
  return known_ && SameFile(target, known_->path);
}

FileCommands::WriteOver FileCommands::ConfirmWriteOver(const std::string& target, int depth) {
  const std::string warning = WriteOverWarning(known_ ? &*known_ : nullptr, target, depth);
  if (warning.empty()) return WriteOver::Go;
  switch (window_.Prompt().AskSaveOver(&window_, FromNative(warning))) {
    case Prompter::SaveOverAnswer::Save: return WriteOver::Go;
    case Prompter::SaveOverAnswer::SaveAs: return WriteOver::SaveAs;
    case Prompter::SaveOverAnswer::Cancel: break;
  }
  return WriteOver::Stop;
}

SaveDialog& FileCommands::OptionsDialog() {
  if (!saveDialog_) {
    saveDialog_ = new SaveDialog([this]() -> const Surface& { return window_.Doc().WorkingImage; },
                                 window_.Preview()->size(), window_.Prompt(), &window_);
  }
  return *saveDialog_;
}

bool FileCommands::RunSaveDialog(SaveDialog::Kind kind) {
  OptionsDialog().Prepare(kind);
  const int result = window_.Prompt().ExecDialog(*saveDialog_);
  // Closed through its window: that is a cancel, and the next save starts
  // from a fresh dialog.
  if (saveDialog_->ClosedByUser()) {
    delete saveDialog_;
    return false;
  }
  const bool cancelled = result != QDialog::Accepted || saveDialog_->SaveDialogResult() == SaveDialog::kCancelled;
  return !cancelled;
}

void FileCommands::OpenRecent(int k) {
  const QString path = FromNative(recent_.Entry(k));
  if (path.isEmpty()) return;
  if (!QFileInfo::exists(path)) {
    recent_.RemoveRecentFile(k);
    RefreshRecentMenu();
    window_.Prompt().ShowMessage(&window_, Prompter::Icon::Critical, QStringLiteral("File not found !"));
    return;
  }
  if (AskSaveChanges()) OpenIconFile(path);
}

void FileCommands::CreateAnimatedCursor() {
  AniDialog dialog(window_.Prompt(), window_.Doc().TransparentColor, QDir::currentPath(), &window_);
  window_.Prompt().ExecDialog(dialog);
}

void FileCommands::RefreshRecentMenu() {
  for (int k = 1; k <= kRecentFileCount; ++k) {
    QAction* action = window_.Action(action::RecentFile(k));
    // An ampersand in a path is shown, not taken as a shortcut mark.
    action->setText(FromNative(recent_.MenuCaption(k)).replace(QLatin1Char('&'), QStringLiteral("&&")));
    action->setEnabled(recent_.IsEnabled(k));
  }
}

QString FileCommands::ShowOpenDialog(const QStringList& filters, const QString& title) {
  return window_.Prompt().GetOpenFileName(&window_, title, filters);
}

QString FileCommands::ShowSaveDialog(const QStringList& filters, const QString& title,
                                     const QString& defaultExtension) {
  const QString path = window_.Prompt().GetSaveFileName(&window_, title, filters, defaultExtension);
  return path.isEmpty() ? path : Absolute(path);
}

void FileCommands::AddRecentFile(const QString& path) {
  recent_.AddRecentFile(ToNative(Absolute(path)));
  RefreshRecentMenu();
}

void FileCommands::ReportFailure(const QString& path, const std::string& reason, bool reading) {
  window_.Prompt().ShowMessage(&window_, reading ? Prompter::Icon::Exclamation : Prompter::Icon::Critical,
                               FromNative(FileMessage(ToNative(path), reason)));
}

std::optional<Point> FileCommands::CursorHotspot() const {
  return cursorDocument_ ? std::optional<Point>(cursorHotspot_) : std::nullopt;
}

void FileCommands::SetCursorDocument(bool isCursor, Point hotspot) {
  cursorDocument_ = isCursor;
  cursorHotspot_ = hotspot;
  emit cursorDocumentChanged();
}

void InstallFileCommands(MainWindow& window) { new FileCommands(window); }

}  // namespace gs::ui
