#pragma once

class QObject;
class QWidget;

// Gives every interactive control of a window the name a screen reader says, from what the
// user sees: its own text (without the "&" of its accelerator), the label its layout puts
// before it, the title of its group box, or its tool tip. A name set by hand stays.
void NameControls(QWidget& window);

// Names the controls of each window as it is first shown, so that no dialog needs its own call.
void InstallControlNaming(QObject& application);

// True for a widget the user can reach with the keyboard and that a name must describe.
bool IsNamedControl(const QWidget& widget);
