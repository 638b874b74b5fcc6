#include "files/SavePrompt.h"

namespace gs {

bool AskSaveChanges(bool modified, const std::string& currentFile, const SavePromptSteps& steps) {
  if (!modified) return true;
  switch (steps.askSaveChanges()) {
    case SaveChangesAnswer::Cancel: return false;
    case SaveChangesAnswer::No: return true;
    case SaveChangesAnswer::Yes: break;
  }
  if (!currentFile.empty()) return steps.saveIcon(currentFile) == SaveAttempt::Saved;
  const std::string path = steps.askSavePath();
  if (path.empty() || steps.saveIcon(path) != SaveAttempt::Saved) return false;
  steps.addRecentFile(path);
  return true;
}

}  // namespace gs
