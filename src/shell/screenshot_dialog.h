#pragma once

#include <QWidget>
#include <memory>

class CMainFrame;

// The dialog of a template id, filled with sample content over the frame's device, for
// `--screenshot --dialog ID`; null for an id without a dialog.
std::unique_ptr<QWidget> MakeScreenshotDialog(int templateId, CMainFrame& frame);
