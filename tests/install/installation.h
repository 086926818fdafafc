// What the setup program leaves on the machine, as the installer tests look at it: where the
// program and its shortcuts go, the Apps & features entry, and running setup and uninstaller.
#pragma once
#include "win32/win32_api.h"
#include <optional>
#include <string>

namespace qv::e2e {

// Set once by main: the setup program (a Unix path is taken as a Z: path).
std::string& SetupPath();

std::string InstallFolder(); // %LOCALAPPDATA%\Programs\Quorvane
std::string InstalledProgram();
std::string StartMenuLink();
std::string StartupLink();

// Values of HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane.
bool UninstallKeyExists();
std::optional<std::string> UninstallString(const std::string& name);
std::optional<DWORD> UninstallDword(const std::string& name);

// The version resource's FileVersion text of a program file; empty when it has none.
std::string FileVersionText(const std::string& path);

// Runs a command line and waits for it to end, pumping; its exit code, or -1 when it could not
// start or did not end within the time.
long RunAndWait(const std::string& commandLine, unsigned timeoutMs);
// Runs the setup program with the switches ("/S ..."); its exit code.
long RunSetup(const std::string& switches);
// Runs the Apps & features entry's QuietUninstallString with the extra switches, then waits
// until the uninstaller, which goes on from a copy of itself, has removed the program and its
// entry; false when it has not within the time.
bool RunQuietUninstall(const std::string& extraSwitches);

} // namespace qv::e2e
