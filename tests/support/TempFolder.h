#pragma once
// A fresh folder below the system's temporary folder, removed with everything in it at the end.

#include <string>

class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending in "/".
  const std::string& path() const { return path_; }
  // Writes a file below the folder (parents created) and returns its full path.
  std::string write(const std::string& relative, const std::string& content) const;
  std::string read(const std::string& relative) const;

private:
  std::string path_;
};
