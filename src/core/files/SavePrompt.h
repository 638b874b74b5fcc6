#pragma once
// The save prompt that guards New, Open, a recent file, Icon Extract, Acquire
// Image and closing the window. The questions themselves (the message box, the
// file dialog, the save options dialog) are the window's; this is the order in
// which they are asked and what each answer means.

#include <functional>
#include <string>

namespace gs {

enum class SaveChangesAnswer { Yes, No, Cancel };

enum class SaveAttempt {
  Saved,      // the file was written
  Cancelled,  // the save options dialog was cancelled: nothing written
  Failed,     // the write failed (the saver has shown why); the old file is intact
};

struct SavePromptSteps {
  // "Do you want to save changes ?" with Yes, No and Cancel.
  std::function<SaveChangesAnswer()> askSaveChanges;
  // The save dialog for an untitled document; an empty answer means cancelled.
  std::function<std::string()> askSavePath;
  // Shows the save options dialog and writes the icon.
  std::function<SaveAttempt(const std::string& path)> saveIcon;
  std::function<void(const std::string& path)> addRecentFile;
};

// True when the guarded command may go on. Nothing is asked when the document
// is unmodified. Yes saves to the current file, or asks for a path first when
// there is none (and adds a written one to the recent files). A cancelled
// dialog or a failed write stops the command, so no unsaved work is thrown away.
bool AskSaveChanges(bool modified, const std::string& currentFile, const SavePromptSteps& steps);

}  // namespace gs
