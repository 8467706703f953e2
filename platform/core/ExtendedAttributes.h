#pragma once

#include <string>
#include <vector>

// Copies the extended attributes of the file at the host path, its access control lists among
// them, to the open file, links at the path not followed. Returns those that could not be
// copied, each as "<name> (<host's reason>)"; a file system that keeps none loses none.
std::vector<std::string> CopyExtendedAttributes(const std::string& fromHostPath, int to);
// The same from the open file.
std::vector<std::string> CopyExtendedAttributes(int from, int to);
