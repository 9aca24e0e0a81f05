#pragma once

class CMainFrame;

// The send and receive commands of the File menu: the selected file goes to the platform's
// e-mail or short-range link service, files received over the link arrive in the current
// folder. The platform does the transfer and tells the user about it; we report nothing.
void InstallSendReceiveCommands(CMainFrame& frame);
