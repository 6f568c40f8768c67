#pragma once

#include <string>

// The checks made before anything is written to the data folder and the print file, so that a
// mistake in either box is told to the user instead of ending the program at the first write.

// The folder text with "/" appended when it does not end in one; an empty text stays empty.
std::string WithFinalSeparator(const std::string& folder);

enum class PlaceFault {
    None,
    FolderEmpty,             // no folder typed
    FolderControlCharacter,  // a tab, line break or other control character in the folder
    NameEmpty,
    NameSeparator,         // the name holds a "/"
    NameControlCharacter,  // a tab, line break or other control character in the name
    FolderMissing,         // the folder does not exist; it may be created
    NotAFolder,            // the folder text names a file
    FolderNotWritable,
    NameIsFolder,  // the print file name names a folder inside the data folder
};

// The first fault of a data folder (ending in "/") and a print file name, in the order above:
// the texts first, then the file system. Writes nothing: a probe file made to test the folder
// is removed again.
PlaceFault CheckOutputPlace(const std::string& folder, const std::string& name);

// Says, in plain words, what is wrong and what to do about it.
std::string PlaceFaultMessage(PlaceFault fault, const std::string& folder, const std::string& name);

// Creates the folder and any missing parents; an empty text when it succeeded, else why not.
std::string CreateDataFolder(const std::string& folder);

// The place made ready without asking, as the wizard makes it when the user agrees to create a
// missing folder: an empty text when the files can go there, else why not.
std::string ReadyOutputPlace(const std::string& folder, const std::string& name);

// True when the file exists and holds more than the one empty line of a fresh print file.
bool PrintFileHoldsResults(const std::string& path);
