#pragma once
// A second life of the test executable: copied under another name and started as a child
// process, it looks for a skin image from its own module path, as the program does.

namespace zalvane::wintest {

// Exit code 0: "IMAGE" of skin "NAME" was found and drawn; 1: not found. Writes the path
// it tried (UTF-8) into the file `reportPath`.
int RunSkinProbe(const char* skinName, const char* imageName, const char* reportPath);

}  // namespace zalvane::wintest
