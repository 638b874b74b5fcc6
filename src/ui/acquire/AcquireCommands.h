#pragma once
// The File menu's "Icon Extract" and "Acquire Image": each opens its modal
// dialog over the main window once the save prompt has let it go on.

namespace gs::ui {

class MainWindow;

// The icon extractor, browsing from the current folder.
void RunIconExtractor(MainWindow& window);
// The picture import dialog, without a picture.
void RunPictureImport(MainWindow& window);

}  // namespace gs::ui
