#pragma once
// The rules every command follows with a file the user names, in the window
// and on the command line alike: only a regular file is read (a pipe would
// block the program until another one writes to it, a device may never end,
// a folder holds no text), and a save never replaces what is not a regular
// file, never writes through a link to nothing and never replaces a file the
// user may not write.
#include <string>

namespace veldrin {

enum class ReadProblem { None, Missing, Folder, NotRegular, Unreadable };

struct FileBytes {
  std::string bytes;
  ReadProblem problem = ReadProblem::None;
  int error = 0;  // the system's error number of Missing and Unreadable
};

// The whole content of the regular file at path, read in one go.
FileBytes readRegularFile(const std::string& path);

// Why the file could not be read, in the windows' words ("不是普通文件…").
std::string readProblemText(const FileBytes& file);

enum class SaveProblem { None, LinkToNothing, NotRegular, WriteProtected };

// Whether a new file may take the name path: what is there now decides.
SaveProblem saveProblem(const std::string& path);

// The refusal in the windows' words, or an empty text for None.
std::string saveProblemText(SaveProblem problem);

}  // namespace veldrin
