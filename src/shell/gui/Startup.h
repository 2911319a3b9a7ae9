#pragma once
// Start-up of the window program: checks, URL settings, the shared constants, the splash
// and the main window.
#include <memory>

namespace kujimate {

class frmMain;
class clsToto;
class QtReporter;

// The lottery constants, shared from start-up until the end of the program.
clsToto& SharedToto();

// Sets up the application-wide look (font) and the desktop opener.
void SetUpApplication();

// Runs the start-up steps up to a shown main window; null after a failed check (its
// message has been shown).
std::unique_ptr<frmMain> StartMain();

// Main: start-up, then the event loop; the exit code of the program.
int Main();

}  // namespace kujimate
