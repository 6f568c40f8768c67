#include "output/OutputPlace.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "base/NewFileProbe.h"
#include "base/PathText.h"

namespace fs = std::filesystem;

std::string WithFinalSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') {
        return folder;
    }
    return folder + '/';
}

PlaceFault CheckOutputPlace(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return PlaceFault::FolderEmpty;
    if (HoldsControlCharacter(folder))
        return PlaceFault::FolderControlCharacter;
    if (name.empty())
        return PlaceFault::NameEmpty;
    if (name.find('/') != std::string::npos)
        return PlaceFault::NameSeparator;
    if (HoldsControlCharacter(name))
        return PlaceFault::NameControlCharacter;

    // Looked at without its final separator, a file of the folder's name shows as a file.
    const std::string withoutSeparator =
        folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
    std::error_code error;
    const fs::file_status status = fs::status(withoutSeparator, error);
    if (status.type() == fs::file_type::not_found)
        return PlaceFault::FolderMissing;
    // A folder that cannot even be looked at (a parent without search permission) cannot be
    // written to either.
    if (status.type() == fs::file_type::none)
        return PlaceFault::FolderNotWritable;
    if (status.type() != fs::file_type::directory)
        return PlaceFault::NotAFolder;
    if (NewFileError(folder) != 0)
        return PlaceFault::FolderNotWritable;
    if (fs::is_directory(folder + name, error))
        return PlaceFault::NameIsFolder;
    return PlaceFault::None;
}

std::string PlaceFaultMessage(PlaceFault fault, const std::string& folder,
                              const std::string& name) {
    const std::string shownFolder = ShortPathText(folder);
    switch (fault) {
        case PlaceFault::None:
            return {};
        case PlaceFault::FolderEmpty:
            return "No folder is given for the print and data files. Type one, or press "
                   "Browse to choose one.";
        case PlaceFault::FolderControlCharacter:
            return "The folder holds a tab, line break or other control character, which a "
                   "folder name cannot hold. Please correct the folder.";
        case PlaceFault::NameEmpty:
            return "No print file name is given. Please type one, such as Umbravel.prt.";
        case PlaceFault::NameSeparator:
            return "The print file name \"" + ShortPathText(name) +
                   "\" holds a \"/\", which separates folders. Give the folder in the path box "
                   "and only the file's own name here.";
        case PlaceFault::NameControlCharacter:
            return "The print file name holds a tab, line break or other control character, "
                   "which a file name cannot hold. Please correct the name.";
        case PlaceFault::FolderMissing:
            return "The folder " + shownFolder + " does not exist. Shall it be created?";
        case PlaceFault::NotAFolder:
            return shownFolder + " is a file, not a folder. Please give a folder.";
        case PlaceFault::FolderNotWritable:
            return "The folder " + shownFolder +
                   " cannot be written to, so the print and data files cannot be kept there. "
                   "Please choose another folder.";
        case PlaceFault::NameIsFolder:
            return "The print file name \"" + ShortPathText(name) + "\" is a folder in " +
                   shownFolder + ". Please give a file name.";
    }
    return {};
}

std::string CreateDataFolder(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return "The folder " + ShortPathText(folder) + " could not be created: " + error.message() +
               ".";
    }
    return {};
}

std::string ReadyOutputPlace(const std::string& folder, const std::string& name) {
    PlaceFault fault = CheckOutputPlace(folder, name);
    if (fault == PlaceFault::FolderMissing) {
        if (std::string failure = CreateDataFolder(folder); !failure.empty())
            return failure;
        fault = CheckOutputPlace(folder, name);
    }
    return PlaceFaultMessage(fault, folder, name);
}

bool PrintFileHoldsResults(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return false;
    const auto size = fs::file_size(path, error);
    if (error || size == 0)
        return false;
    if (size > 2)
        return true;
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return bytes != "\r\n";
}
