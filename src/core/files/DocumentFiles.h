#pragma once
// Opening into and saving from the document. Each call checks and writes
// everything first and touches the document only when it succeeded: a file
// that cannot be read, or a write that fails, leaves the image, IconMask,
// CurrentFile and Modified exactly as they were.

#include <string>

#include "document/Document.h"
#include "files/FileContents.h"
#include "formats/FormatFiles.h"

namespace gs {

struct OpenedIcon {
  IconImage icon;             // the image taken, and for a cursor its hotspot
  IconFileContents contents;  // everything the file holds
};

// On success: WorkingImage and IconMask from the file (masked pixels in the
// document's TransparentColor), CurrentFile = path, Modified = false, and a new
// picture's start: no undo snapshot, no selection.
Outcome<OpenedIcon> OpenIconIntoDocument(Document& doc, const std::string& path);

// New: a blank picture of the transparent colour with no file, no undo
// snapshot and no selection. Modified and IconMask stay as they were.
void NewDocument(Document& doc);

// On success: IconMask = the mask written, CurrentFile = path, Modified = false.
Outcome<void> SaveDocumentAsIcon(Document& doc, const std::string& path, int depth,
                                 PaletteMode mode = PaletteMode::Standard);

// A cursor is an export: on success only IconMask changes.
Outcome<void> SaveDocumentAsCursor(Document& doc, const std::string& path, int depth, PaletteMode mode,
                                   Point hotspot);

// Exports leave the document alone.
Outcome<void> ExportDocumentAsBitmap(const Document& doc, const std::string& path, int depth);
Outcome<void> ExportDocumentAsPcx(const Document& doc, const std::string& path, int depth);

}  // namespace gs
