// The stand-in for the programs the shell starts: a recorder that writes what it was asked to
// open into opened.txt beside itself, registered under HKCR where Wine's shell looks.
#pragma once
#include <string>

namespace qv::e2e {

// The recorder's Windows path and the file it writes; empty when the driver has no recorder.
std::string RecorderPath();
std::string RecorderOutput();

// Makes the recorder the "open" command of a class: a URL scheme ("https") or a file type's
// class; false when the registry refused.
bool RegisterRecorder(const std::string& classKey);
// Makes a file extension (".qvdoc") belong to a class.
bool RegisterFileType(const std::string& extension, const std::string& classKey);

// Empties the record; true when no record is left.
bool ClearRecord();
// What the recorder wrote so far (a line per start); empty when nothing yet.
std::string Recorded();

} // namespace qv::e2e
